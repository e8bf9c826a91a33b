#pragma once
// A job's worker thread. Starting a new run first joins the finished
// previous one; the owner joins the last run before it goes away.

#include <functional>
#include <thread>

namespace lumvane {

class JobThread {
 public:
  JobThread() = default;
  ~JobThread() { Join(); }
  JobThread(const JobThread&) = delete;
  JobThread& operator=(const JobThread&) = delete;

  // False when the thread could not be created.
  bool Start(std::function<void()> body);
  void Join();

 private:
  std::thread thread_;
};

}  // namespace lumvane
