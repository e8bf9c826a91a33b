#pragma once
// Numbers as the site pages write them.

#include <QString>
#include <QtGlobal>

namespace lumvane {

// Unsigned base-10 reading: leading white space skipped, an optional sign,
// digits up to the first other character; no digits give 0. As the C
// library's unsigned conversion: a negated result wraps around, a number too
// large gives the largest value.
quint32 ReadDecimal(QStringView text);

}  // namespace lumvane
