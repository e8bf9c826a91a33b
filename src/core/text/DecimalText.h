#pragma once
// Numbers as the site pages write them.

#include <QString>
#include <QtGlobal>

namespace lumvane {

// Unsigned base-10 reading: leading white space skipped, an optional sign,
// digits up to the first other character; no digits give 0. Wraps like the C
// library's unsigned conversion.
quint32 ReadDecimal(QStringView text);

}  // namespace lumvane
