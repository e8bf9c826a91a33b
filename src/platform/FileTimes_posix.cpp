#include "platform/FileTimes.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <QFile>

namespace lumvane {

// Linux keeps no settable creation time: access and write time are set.
bool SetPathTimes(const QString& path, qint64 utcSeconds, bool /*isFolder*/) {
  if (utcSeconds <= 0) return false;
  const timespec times[2] = {{static_cast<time_t>(utcSeconds), 0}, {static_cast<time_t>(utcSeconds), 0}};
  return utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

}  // namespace lumvane
