#include "text/MarkerSearch.h"

namespace lumvane {

QString GetBetween(QString& source, const QString& start, const QString& end, int flags) {
  const qsizetype startAt = source.indexOf(start);
  if (startAt < 0) return {};
  const qsizetype from = startAt + start.size();
  const qsizetype endAt = source.indexOf(end, from);
  QString result;
  if (endAt >= 0) {
    result = source.sliced(from, endAt - from);
  } else if (flags & GB_TO_END) {
    result = source.sliced(from);
  }
  // Dropping a prefix only moves the string's start; the remainder is not copied.
  if (flags & GB_ADVANCE) source.remove(0, from);
  return result;
}

qsizetype CutThrough(QString& text, const QString& marker, bool inclusive) {
  const qsizetype at = text.indexOf(marker);
  if (at >= 0) text.remove(0, inclusive ? at + marker.size() : at);
  return at;
}

qsizetype CutAt(QString& text, const QString& marker) {
  const qsizetype at = text.indexOf(marker);
  if (at >= 0) text.truncate(at);
  return at;
}

QString TextBefore(const QString& source, const QString& marker) {
  const qsizetype at = source.indexOf(marker);
  return at < 0 ? QString() : source.first(at);
}

// An empty separator would match at every position without advancing, so it
// counts as absent.
qsizetype CountText(const QString& text, const QString& separator) {
  if (separator.isEmpty()) return 0;
  qsizetype count = 0;
  for (qsizetype at = text.indexOf(separator); at >= 0; at = text.indexOf(separator, at + separator.size())) {
    ++count;
  }
  return count;
}

qsizetype SplitText(const QString& text, const QString& separator, QStringList& pieces) {
  pieces.clear();
  if (separator.isEmpty()) return 0;
  qsizetype from = 0;
  for (qsizetype at = text.indexOf(separator); at >= 0; at = text.indexOf(separator, from)) {
    pieces.append(text.sliced(from, at - from));
    from = at + separator.size();
  }
  if (pieces.isEmpty()) return 0;
  pieces.append(text.sliced(from));
  return pieces.size() - 1;
}

}  // namespace lumvane
