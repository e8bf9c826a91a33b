#pragma once
// The one clock of the program. Tests may pin it to a fixed moment.

#include <QDateTime>
#include <functional>

namespace lumvane {

QDateTime NowLocal();
qint64 NowUtcSeconds();

// While alive, NowLocal() and NowUtcSeconds() report `now`.
class ScopedClockOverride {
 public:
  explicit ScopedClockOverride(QDateTime now);
  ~ScopedClockOverride();
  ScopedClockOverride(const ScopedClockOverride&) = delete;
  ScopedClockOverride& operator=(const ScopedClockOverride&) = delete;

 private:
  QDateTime previous_;
};

}  // namespace lumvane
