#include "table/DefaultTextMeasurer.h"

#include <QStringList>
#include <algorithm>

namespace lumvane {

namespace {

bool IsWide(char32_t ch) {
  return (ch >= 0x1100 && ch <= 0x115F) || (ch >= 0x2E80 && ch <= 0xA4CF) || (ch >= 0xAC00 && ch <= 0xD7A3) ||
         (ch >= 0xF900 && ch <= 0xFAFF) || (ch >= 0xFE30 && ch <= 0xFE4F) || (ch >= 0xFF00 && ch <= 0xFF60) ||
         (ch >= 0xFFE0 && ch <= 0xFFE6) || (ch >= 0x20000 && ch <= 0x3FFFD);
}

int CharWidth(char32_t ch, int lineHeight) { return IsWide(ch) ? lineHeight : lineHeight / 2; }

int LineWidth(const QString& line, int lineHeight) {
  int width = 0;
  for (const char32_t ch : line.toUcs4()) {
    width += CharWidth(ch, lineHeight);
  }
  return width;
}

// Lines of `paragraph` broken before the character that would pass `width`;
// a line holds at least one character.
int WrappedLineCount(const QString& paragraph, int lineHeight, int width, int* widest) {
  int lines = 1;
  int current = 0;
  for (const char32_t ch : paragraph.toUcs4()) {
    const int w = CharWidth(ch, lineHeight);
    if (current > 0 && current + w > width) {
      ++lines;
      current = 0;
    }
    current += w;
    *widest = std::max(*widest, current);
  }
  return lines;
}

}  // namespace

int DefaultTextMeasurer::LineHeight(const CellFont& font) { return (std::max(font.pointSize, 1) * 4 + 2) / 3; }

QSize DefaultTextMeasurer::TextExtent(const QString& text, const CellFont& font) const {
  const int height = LineHeight(font);
  return QSize(LineWidth(text, height), height);
}

QSize DefaultTextMeasurer::WrappedTextExtent(const QString& text, const CellFont& font, int width) const {
  const int height = LineHeight(font);
  int lines = 0;
  int widest = 0;
  for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
    lines += WrappedLineCount(paragraph, height, width, &widest);
  }
  return QSize(widest, lines * height);
}

CellFont DefaultTextMeasurer::MessageFont() const { return CellFont{QStringLiteral("Sans"), 9, 400, false}; }

}  // namespace lumvane
