#include "download/DownloadEngine.h"

#include <condition_variable>
#include <system_error>

#include "app/DialogPort.h"
#include "download/DownloadBatch.h"
#include "download/PictureNaming.h"
#include "platform/Clock.h"
#include "web/UrlRequest.h"
#include "web/UrlSource.h"

namespace lumvane {

// Everything a run's workers need, copied at its start: a stopped run's
// late workers neither see the next album's batch nor count into its
// progress.
struct DownloadEngine::RunState {
  QStringList urls;
  QStringList paths;
  QStringList headers;
  DownloadParams params;
  int total = 0;
  std::atomic<int> next{0};
  std::atomic<bool> stop{false};
  std::mutex mutex;
  std::condition_variable changed;
  int completed = 0;      // guarded by mutex
  int activeWorkers = 0;  // guarded by mutex
};

namespace {

constexpr unsigned kPauseOfSingleThreadMs = 2000;
constexpr unsigned kConnectTimeoutMs = 20000;

QString ProgressText(int completed, int total) {
  return u"已下载" + QString::number(completed) + u'/' + QString::number(total) + u"......";
}

}  // namespace

DownloadEngine::DownloadEngine(HttpSession& http) : http_(http) {}

DownloadEngine::~DownloadEngine() {
  RequestStop();
  for (auto& [run, threads] : runs_) {
    for (std::thread& thread : threads) thread.join();
  }
}

void DownloadEngine::RequestStop() {
  std::shared_ptr<RunState> run;
  {
    std::lock_guard lock(mutex_);
    run = current_;
  }
  if (!run) return;
  {
    std::lock_guard lock(run->mutex);
    run->stop = true;
  }
  run->changed.notify_all();  // ends a pause between pictures at once
}

void DownloadEngine::Work(std::shared_ptr<RunState> run, HttpSession* http) {
  UrlSource source(*http);
  for (;;) {
    if (run->stop) break;
    const int index = run->next.fetch_add(1);
    if (index >= run->total) break;
    if (run->params.threadCount == 1 && index > 0) {
      // One thread means the site wants a slow, polite pace.
      std::unique_lock lock(run->mutex);
      if (run->changed.wait_for(lock, std::chrono::milliseconds(kPauseOfSingleThreadMs),
                                [&] { return run->stop.load(); })) {
        break;
      }
    }
    // Only const access: the lists share their data with the batch, and a
    // non-const index would detach them, in several workers at once.
    const RunState& shared = *run;
    const QString& entry = shared.urls[index];
    const qsizetype split = entry.indexOf(QStringLiteral("\r\n"));
    UrlRequest request(split >= 0 ? entry.left(split) : entry, shared.paths[index], kConnectTimeoutMs);
    request.readTimeoutMs = run->params.timeoutSec * 1000u;
    if (!shared.headers.isEmpty()) request.headers = shared.headers[index];
    request.minSizeKB = run->params.minSizeK;
    request.maxSizeKB = run->params.maxSizeK;
    request.retryCount = 2;
    request.retryDelaySec = 1;
    source.Get(request, kPictureRequestFlags);
    if (split >= 0 && source.receivedLength == 0) {
      request.url = entry.mid(split + 2);
      source.Get(request, kPictureRequestFlags);
    }
    {
      std::lock_guard lock(run->mutex);
      ++run->completed;
    }
    run->changed.notify_all();
  }
  {
    std::lock_guard lock(run->mutex);
    --run->activeWorkers;
  }
  run->changed.notify_all();
}

void DownloadEngine::ForgetFinishedRuns() {
  for (auto it = runs_.begin(); it != runs_.end();) {
    bool finished;
    {
      std::lock_guard lock(it->first->mutex);
      finished = it->first->activeWorkers == 0;
    }
    if (!finished) {
      ++it;
      continue;
    }
    for (std::thread& thread : it->second) thread.join();
    it = runs_.erase(it);
  }
}

bool DownloadEngine::Run(const DownloadBatch& batch, const DownloadParams& params, DialogPort& port, int statusId,
                         const std::function<bool()>& stopRequested) {
  ForgetFinishedRuns();
  auto run = std::make_shared<RunState>();
  run->total = batch.Count();
  const int slots = std::min<int>(params.threadCount, run->total);
  if (slots <= 0) return true;
  run->urls = batch.Urls();
  run->headers = batch.Headers();
  for (const QString& name : batch.Names()) run->paths.append(PicturePath(batch.folder, name));
  run->params = params;
  {
    std::lock_guard lock(mutex_);
    current_ = run;
  }
  // A stop asked for before the run was published found no run to stop.
  if (stopRequested && stopRequested()) run->stop = true;
  busy_ = true;
  const qint64 started = NowUtcSeconds();
  std::vector<std::thread> threads;
  for (int s = 0; s < slots; ++s) {
    try {
      {
        std::lock_guard lock(run->mutex);
        ++run->activeWorkers;
      }
      threads.emplace_back(&DownloadEngine::Work, run, &http_);
    } catch (const std::system_error&) {
      std::lock_guard lock(run->mutex);
      --run->activeWorkers;
      break;
    }
  }
  if (threads.empty()) {
    busy_ = false;
    return false;
  }

  int shown = run->total + 1;
  {
    std::unique_lock lock(run->mutex);
    for (;;) {
      const int seen = run->completed;
      // Wakes when a picture is done, or when every worker has left (all
      // pictures handed out, or the run stopped).
      run->changed.wait(lock, [&] { return run->completed != seen || run->activeWorkers == 0; });
      const bool stopped = run->stop;
      const bool last = run->completed >= run->total || run->activeWorkers == 0;
      if (!stopped && (run->completed != shown || last)) {
        shown = run->completed;
        lock.unlock();
        port.SetControlText(statusId, ProgressText(shown, run->total));
        lock.lock();
      }
      if (stopped || last) break;
    }
  }
  runs_.emplace_back(run, std::move(threads));
  {
    std::lock_guard lock(mutex_);
    current_.reset();
  }
  port.DownloadDone(NowUtcSeconds() - started, run->total);
  busy_ = false;
  return true;
}

}  // namespace lumvane
