#pragma once
// Pages through the program's fetcher, with a log of the addresses asked
// for and an optional hook after each fetch (to request a stop, say).

#include <QStringList>
#include <functional>
#include <memory>
#include <mutex>

#include "web/PageFetcher.h"

namespace lumvane {

class FetchLog {
 public:
  void Add(const QString& url) {
    std::lock_guard lock(mutex_);
    urls_.append(url);
  }
  QStringList Urls() const {
    std::lock_guard lock(mutex_);
    return urls_;
  }

 private:
  mutable std::mutex mutex_;
  QStringList urls_;
};

class RecordingPageFetcher : public PageFetcher {
 public:
  using AfterFetch = std::function<void(const QString& url, int fetchesSoFar)>;

  RecordingPageFetcher(std::unique_ptr<PageFetcher> inner, std::shared_ptr<FetchLog> log, AfterFetch after)
      : inner_(std::move(inner)), log_(std::move(log)), after_(std::move(after)) {}

  bool FetchText(const QString& url, QString& text) override {
    const bool fetched = inner_->FetchText(url, text);
    log_->Add(url);
    if (after_) after_(url, static_cast<int>(log_->Urls().size()));
    return fetched;
  }
  void SetMarkers(const QByteArray& startMarker, const QByteArray& endMarker) override {
    inner_->SetMarkers(startMarker, endMarker);
  }

 private:
  std::unique_ptr<PageFetcher> inner_;
  std::shared_ptr<FetchLog> log_;
  AfterFetch after_;
};

}  // namespace lumvane
