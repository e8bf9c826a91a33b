#include "CannedPages.h"

namespace lumvane::tests {
namespace {

class CannedFetcher : public PageFetcher {
 public:
  CannedFetcher(std::shared_ptr<const CannedPages::Source> source, std::shared_ptr<FetchLog> log)
      : source_(std::move(source)), log_(std::move(log)) {}

  bool FetchText(const QString& url, QString& text) override {
    log_->Add(url);
    const std::optional<QString> page = (*source_)(url);
    text = page.value_or(QString());
    return page.has_value();
  }
  // The album-list readers set no markers.
  void SetMarkers(const QByteArray&, const QByteArray&) override {}

 private:
  std::shared_ptr<const CannedPages::Source> source_;
  std::shared_ptr<FetchLog> log_;
};

}  // namespace

CannedPages::CannedPages(Source source) : source_(std::make_shared<const Source>(std::move(source))) {}

CannedPages::CannedPages(QHash<QString, QString> pages)
    : CannedPages([pages = std::move(pages)](const QString& url) -> std::optional<QString> {
        const auto it = pages.find(url);
        if (it == pages.end()) return std::nullopt;
        return *it;
      }) {}

PageFetcherFactory CannedPages::Factory() const {
  return [source = source_, log = log_] { return std::make_unique<CannedFetcher>(source, log); };
}

}  // namespace lumvane::tests
