#pragma once
// Literal-marker search and cutting on UTF-16 text. Every search is an exact,
// case-sensitive substring search from the start; positions are UTF-16 code
// units, -1 when not found. Site readers use nothing else to read pages.

#include <QString>
#include <QStringList>

namespace lumvane {

// Flags of GetBetween.
enum GetBetweenFlag : int {
  GB_ADVANCE = 1,  // advance the source past the start marker
  GB_TO_END = 2,   // without an end marker, take everything after the start marker
};

// Text between `start` and the next `end` after it; empty when the start
// marker is missing, or the end marker is missing and GB_TO_END is not set.
// With GB_ADVANCE and a start marker found, the source keeps only what follows
// the start marker (never moved past the end marker), so a repeated call finds
// the next occurrence. An empty marker is found at once.
QString GetBetween(QString& source, const QString& start, const QString& end, int flags);

// Drops the text before `marker` (and the marker when `inclusive`); returns its
// position or -1 (text unchanged).
qsizetype CutThrough(QString& text, const QString& marker, bool inclusive);

// Keeps only the text before `marker`; returns its position or -1.
qsizetype CutAt(QString& text, const QString& marker);

// Text before `marker`, empty when it is absent.
QString TextBefore(const QString& source, const QString& marker);

// Non-overlapping occurrences of `separator`; an empty separator occurs 0 times.
qsizetype CountText(const QString& text, const QString& separator);

// Splits at every separator: c separators give c + 1 pieces and the result c;
// no separator (or an empty one) gives 0 and an empty array.
qsizetype SplitText(const QString& text, const QString& separator, QStringList& pieces);

}  // namespace lumvane
