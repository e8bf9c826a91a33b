#pragma once
// A one-way switch that sleeping threads can wait on.

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace lumvane {

class StopSignal {
 public:
  void Set() {
    {
      std::lock_guard lock(mutex_);
      set_ = true;
    }
    changed_.notify_all();
  }
  bool IsSet() const {
    std::lock_guard lock(mutex_);
    return set_;
  }
  // Sleeps up to `ms`; true when the switch was (or got) set.
  bool WaitFor(int ms) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return set_; });
  }

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  bool set_ = false;
};

}  // namespace lumvane
