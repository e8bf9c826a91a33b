#include "text/HtmlText.h"

#include <optional>

#include "text/HexDigit.h"
#include "text/Replace.h"

namespace lumvane {
namespace {

struct Entity {
  QStringView entity;
  QStringView plain;
};

// The order matters: "&amp;" before "&lt;" turns "&amp;lt;" into "<", and
// "&quot;" before "&amp;" leaves "&amp;quot;" as "&quot;".
constexpr Entity kEntities[] = {
    {u"&quot;", u"\""}, {u"&amp;", u"&"},         {u"&lt;", u"<"},  {u"&gt;", u">"},
    {u"&nbsp;", u" "},  {u"&hellip;", u"\u2026"}, {u"&#39;", u"'"},
};

constexpr QStringView kEscape = u"\\u";
constexpr qsizetype kEscapeDigits = 4;

std::optional<char16_t> ReadHexCode(QStringView digits) {
  char16_t code = 0;
  for (QChar c : digits) {
    const int value = HexDigitValue(c);
    if (value < 0) return std::nullopt;
    code = static_cast<char16_t>(code * 16 + value);
  }
  return code;
}

}  // namespace

QString StripTags(const QString& text) {
  const QStringView source(text);
  qsizetype open = source.indexOf(u'<');
  if (open < 0) return text;
  QString result;
  result.reserve(text.size());
  qsizetype kept = 0;
  while (open >= 0) {
    const qsizetype close = source.indexOf(u'>', open + 1);
    if (close < 0) break;  // an unclosed "<" stays, with everything after it
    result.append(source.sliced(kept, open - kept));
    kept = close + 1;
    open = source.indexOf(u'<', kept);
  }
  result.append(source.sliced(kept));
  return result;
}

void DecodeEntities(QString& text) {
  if (!text.contains(u'&')) return;
  for (const Entity& e : kEntities) ReplaceAll(text, e.entity, e.plain);
}

QString UnescapeU(const QString& text) {
  const QStringView source(text);
  qsizetype at = source.indexOf(kEscape);
  if (at < 0) return text;
  QString result;
  result.reserve(text.size());
  result.append(source.first(at));
  while (at >= 0) {
    const qsizetype pieceStart = at + kEscape.size();
    const qsizetype next = source.indexOf(kEscape, pieceStart);
    const QStringView piece = source.sliced(pieceStart, (next < 0 ? source.size() : next) - pieceStart);
    if (piece.size() < kEscapeDigits) {
      result.append(piece);
    } else if (const std::optional<char16_t> code = ReadHexCode(piece.first(kEscapeDigits))) {
      result.append(QChar(*code));
      result.append(piece.sliced(kEscapeDigits));
    } else {
      // Not an escape (a path such as "C:\users", say): keep the text as it is.
      result.append(kEscape);
      result.append(piece);
    }
    at = next;
  }
  return result;
}

}  // namespace lumvane
