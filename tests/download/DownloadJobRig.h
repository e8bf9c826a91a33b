#pragma once
// The sample site, a save folder and a test session that reaches the site
// under its real host names, for tests that run the download job end to
// end. One picture host may be handed to a scripted server instead, to make
// pictures slow or to see exactly which ones were asked for.

#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <vector>

#include "samplesite/SampleContentBuilder.h"
#include "samplesite/SampleSite.h"
#include "support/FixtureServer.h"
#include "support/RecordingPageFetcher.h"
#include "support/TestSession.h"

namespace lumvane {

class DownloadJobRig {
 public:
  explicit DownloadJobRig(SampleSiteContent content = BuildSampleSiteContent());

  TestSession& Session() { return *session_; }
  const SampleSiteContent& Content() const { return site_.Content(); }
  // Runs the album-list job on `address` and ticks `rows` (1-based; empty:
  // every row).
  void List(const QString& address, const std::vector<int>& rows = {});
  // Runs the download job into the save folder and waits for its end.
  void Download() { Session().Download(SaveFolder()); }
  void SetOptions(quint16 options);
  void SetParams(int threads, int minKb = 0);

  // Every page the readers fetch from now on is logged; `after` runs after
  // each fetch, on the fetching thread.
  void RecordFetches(RecordingPageFetcher::AfterFetch after = {});
  QStringList FetchedUrls() const { return log_->Urls(); }

  // From now on `host` is served by `pictures`, which answers for each of
  // `served` with its bytes, in the script `shape` makes of it.
  using Shape = std::function<void(FixtureScript& script, int index)>;
  void ScriptPictureHost(const QByteArray& host, const std::vector<SamplePicture>& served, const Shape& shape = {});

  const SampleUser& User(quint64 userId) const { return *Content().FindUser(userId); }
  const SampleAlbum& Album(quint64 userId, quint64 albumId) const { return *FindAlbum(User(userId), albumId); }
  QByteArray Bytes(const SamplePicture& picture) { return *site_.PictureBody(picture); }

  // Ends with the separator.
  QString SaveFolder() const { return save_.path() + QStringLiteral("/save/"); }
  // The bytes of a file below the save folder; "<missing>" when there is none.
  QByteArray SavedFile(const QString& relativePath) const;
  // Every file and folder below the save folder, hidden ones too, as sorted
  // relative paths.
  QStringList SavedTree() const;

  FixtureServer pictures;

 private:
  QStringList ConnectTo(const QByteArray& scriptedHost = {}) const;

  QTemporaryDir save_;
  SampleSite site_;
  std::unique_ptr<TestSession> session_;  // last: its late workers use the servers
  std::shared_ptr<FetchLog> log_ = std::make_shared<FetchLog>();
};

}  // namespace lumvane
