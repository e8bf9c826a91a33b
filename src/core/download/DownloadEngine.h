#pragma once
// Fetches the pictures of one batch into their files, 1 to 15 at a time.

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "settings/SaveRule.h"

namespace lumvane {

class DialogPort;
class DownloadBatch;
class HttpSession;

class DownloadEngine {
 public:
  explicit DownloadEngine(HttpSession& http);
  // Waits for workers of stopped runs that are still finishing a picture.
  ~DownloadEngine();
  DownloadEngine(const DownloadEngine&) = delete;
  DownloadEngine& operator=(const DownloadEngine&) = delete;

  // Downloads the batch and returns when every picture is done or, after a
  // stop request, when the next running picture ends (the others finish on
  // their own). Progress goes to control `statusId`. `stopRequested` tells
  // whether a stop was asked for before the run began. False when no worker
  // thread could be started.
  bool Run(const DownloadBatch& batch, const DownloadParams& params, DialogPort& port, int statusId,
           const std::function<bool()>& stopRequested = {});
  // Starts no further picture of the current run.
  void RequestStop();
  // True while a run is in progress.
  bool Busy() const { return busy_; }

 private:
  struct RunState;
  static void Work(std::shared_ptr<RunState> run, HttpSession* http);
  void ForgetFinishedRuns();

  HttpSession& http_;
  std::atomic<bool> busy_{false};
  std::mutex mutex_;
  std::shared_ptr<RunState> current_;
  // Workers of earlier runs: stopped runs leave pictures finishing.
  std::vector<std::pair<std::shared_ptr<RunState>, std::vector<std::thread>>> runs_;
};

}  // namespace lumvane
