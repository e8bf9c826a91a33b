#include "platform/Clock.h"

#include <mutex>

namespace lumvane {
namespace {
std::mutex gClockMutex;
QDateTime gPinned;  // invalid: the real clock
}  // namespace

QDateTime NowLocal() {
  std::lock_guard lock(gClockMutex);
  return gPinned.isValid() ? gPinned.toLocalTime() : QDateTime::currentDateTime();
}

qint64 NowUtcSeconds() { return NowLocal().toSecsSinceEpoch(); }

ScopedClockOverride::ScopedClockOverride(QDateTime now) {
  std::lock_guard lock(gClockMutex);
  previous_ = gPinned;
  gPinned = std::move(now);
}

ScopedClockOverride::~ScopedClockOverride() {
  std::lock_guard lock(gClockMutex);
  gPinned = previous_;
}

}  // namespace lumvane
