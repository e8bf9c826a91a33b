#pragma once
// Pages for the readers from memory instead of a server, for pages too small
// or too broken to be worth a site: a function gives the text of an address
// (nothing: the fetch fails), and every address asked for is logged.

#include <QHash>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "support/RecordingPageFetcher.h"
#include "web/PageFetcher.h"

namespace lumvane::tests {

class CannedPages {
 public:
  using Source = std::function<std::optional<QString>(const QString& url)>;

  explicit CannedPages(Source source);
  // Exactly these pages; any other address fails.
  explicit CannedPages(QHash<QString, QString> pages);

  // Fetchers reading from here, for AppContext::fetchers.
  PageFetcherFactory Factory() const;
  QStringList Fetched() const { return log_->Urls(); }

 private:
  std::shared_ptr<const Source> source_;
  std::shared_ptr<FetchLog> log_ = std::make_shared<FetchLog>();
};

}  // namespace lumvane::tests
