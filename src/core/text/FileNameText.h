#pragma once
// Turning site and user text into file and folder names.

#include <QString>

namespace lumvane {

// Pairwise replacement: "a|b" with "x|y" replaces a by x, then b by y. Lists
// with different separator counts replace the whole old list text. An empty
// old piece replaces nothing.
void MultiReplace(QString& text, const QString& oldList, const QString& newList);

// Fallback number that yields the local time stamp "%Y%m%d%H%M%S".
constexpr int kFallbackTimeStamp = 65535;

// Cleans `text` for use as one file or folder name. With `useFallback`, an
// empty (or 1000 characters and longer) result becomes a time stamp
// (number 65535) or "pic<number>".
void SanitizeFileName(QString& text, int number, bool useFallback);

}  // namespace lumvane
