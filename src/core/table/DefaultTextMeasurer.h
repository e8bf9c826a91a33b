#pragma once
// A measurer without a screen, for the command line and tests: every line is
// (pointSize × 4 + 2) / 3 pixels high (the point size at 96 dots per inch);
// East Asian wide characters are as wide as a line is high, all others half
// as wide; wrapped text breaks before the character that would pass the
// width. Weight and style do not matter.

#include "table/TextMeasurer.h"

namespace lumvane {

class DefaultTextMeasurer : public TextMeasurer {
 public:
  QSize TextExtent(const QString& text, const CellFont& font) const override;
  QSize WrappedTextExtent(const QString& text, const CellFont& font, int width) const override;
  CellFont MessageFont() const override;

  static int LineHeight(const CellFont& font);
};

}  // namespace lumvane
