#include "app/JobThread.h"

#include <system_error>

namespace lumvane {

bool JobThread::Start(std::function<void()> body) {
  Join();
  try {
    thread_ = std::thread(std::move(body));
  } catch (const std::system_error&) {
    return false;
  }
  return true;
}

void JobThread::Join() {
  if (thread_.joinable()) thread_.join();
}

}  // namespace lumvane
