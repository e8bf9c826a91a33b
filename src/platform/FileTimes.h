#pragma once
// File and folder times.

#include <QString>

namespace lumvane {

// Sets the last-access and last-write time (and the creation time where the
// file system keeps one) of an existing file or folder to `utcSeconds`.
// Nothing happens when the entry cannot be opened or `utcSeconds` is not
// above 0. True when the times were set.
bool SetPathTimes(const QString& path, qint64 utcSeconds, bool isFolder);

}  // namespace lumvane
