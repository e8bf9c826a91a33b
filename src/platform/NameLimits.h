#pragma once
// How long one file or folder name may be on this file system.

#include <QString>

namespace lumvane {

// Length of `name` in the units the file system limits: UTF-8 bytes on Linux.
qsizetype NameComponentLength(QStringView name);
// The most units one path component may hold.
qsizetype MaxNameComponentLength();

}  // namespace lumvane
