#pragma once
// How the grid learns the pixel size of texts. The window implements it with
// its font metrics; the core has a deterministic one for the command line and
// tests.

#include <QSize>
#include <QString>

#include "table/CellFont.h"

namespace lumvane {

class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;

  // Extent of `text` drawn as one line.
  virtual QSize TextExtent(const QString& text, const CellFont& font) const = 0;
  // Extent of `text` broken into lines (at "\n" and between words) to fit
  // `width` pixels.
  virtual QSize WrappedTextExtent(const QString& text, const CellFont& font, int width) const = 0;
  // The desktop's font for messages, the font default cells start with.
  virtual CellFont MessageFont() const = 0;
};

}  // namespace lumvane
