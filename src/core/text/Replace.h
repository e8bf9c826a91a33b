#pragma once
// Replacing every occurrence of a literal text, in one linear pass.

#include <QString>
#include <QStringView>

namespace lumvane {

// Replaces every non-overlapping occurrence of `before`, searched from the
// start and continuing after each match, by `after`. An empty `before`
// matches nothing. Returns the number of replacements.
qsizetype ReplaceAll(QString& text, QStringView before, QStringView after);

}  // namespace lumvane
