#include "DownloadJobRig.h"

#include <QDirIterator>
#include <QFile>

#include "app/SiteKind.h"

namespace lumvane {

DownloadJobRig::DownloadJobRig(SampleSiteContent content) : site_(std::move(content)) {
  site_.Start();
  session_ = std::make_unique<TestSession>(ConnectTo());
}

void DownloadJobRig::List(const QString& address, const std::vector<int>& rows) {
  Session().ListAlbums(address);
  Session().TickRows(rows);
}

void DownloadJobRig::SetOptions(quint16 options) { Session().dlg.Settings.SetOptions(SITE_RENREN, options); }

void DownloadJobRig::SetParams(int threads, int minKb) {
  DownloadParams params = Session().dlg.Settings.Params(SITE_RENREN);
  params.threadCount = static_cast<quint16>(threads);
  params.minSizeK = static_cast<quint16>(minKb);
  Session().dlg.Settings.SetParams(SITE_RENREN, params);
}

void DownloadJobRig::RecordFetches(RecordingPageFetcher::AfterFetch after) {
  PageFetcherFactory real = Session().app.fetchers;
  Session().app.fetchers = [real, log = log_, after] {
    return std::make_unique<RecordingPageFetcher>(real(), log, after);
  };
}

void DownloadJobRig::ScriptPictureHost(const QByteArray& host, const std::vector<SamplePicture>& served,
                                       const Shape& shape) {
  for (size_t i = 0; i < served.size(); ++i) {
    FixtureScript script;
    script.headers = {{"Content-Type", "image/jpeg"}};
    script.body = Bytes(served[i]);
    if (shape) shape(script, static_cast<int>(i));
    pictures.Serve(served[i].Path(), script);
  }
  Session().app.http.SetConnectTo(ConnectTo(host));
}

QStringList DownloadJobRig::ConnectTo(const QByteArray& scriptedHost) const {
  QStringList mappings;
  for (const QByteArray& host : SampleSite::HostNames()) {
    const quint16 port = host == scriptedHost ? pictures.Port() : site_.Port();
    mappings.append(SampleSite::ConnectToMapping(host, port));
  }
  return mappings;
}

QByteArray DownloadJobRig::SavedFile(const QString& relativePath) const {
  QFile file(SaveFolder() + relativePath);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList DownloadJobRig::SavedTree() const {
  QStringList tree;
  QDirIterator it(SaveFolder(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (it.hasNext()) tree.append(it.next().mid(SaveFolder().size()));
  tree.sort();
  return tree;
}

}  // namespace lumvane
