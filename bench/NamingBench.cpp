// Times naming and page reading for one album of many pictures: AddPicture
// for 20,000 pictures (distinct names and one repeated title), and the Ajax
// reader over a single page that lists 20,000 pictures.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

#include "app/AppContext.h"
#include "app/HeadlessDialogPort.h"
#include "app/LumvaneDlg.h"
#include "catalogue/AlbumListJob.h"
#include "download/AlbumPictureReaders.h"
#include "download/PictureNaming.h"

namespace lumvane {
namespace {

constexpr int kPictures = 20000;

class QuietPort : public HeadlessDialogPort {
 public:
  MessageAnswer MessageBox(const QString&, const QString&, MessageButtons) override { return MessageAnswer::No; }
  void OpenInShell(const QString&) override {}
  void OpenLogin(const QString&) override {}
};

// Serves one album page and one Ajax list page naming every picture.
class CannedAlbum : public PageFetcher {
 public:
  explicit CannedAlbum(const QString& listPage) : listPage_(listPage) {}
  bool FetchText(const QString& url, QString& text) override {
    text = url.contains(QStringLiteral("curPage=0"))  ? listPage_
           : url.contains(QStringLiteral("curPage=")) ? QString()
                                                      : QStringLiteral("class=\"ablum-infor\"><h1>大相册<span>");
    return true;
  }
  void SetMarkers(const QByteArray&, const QByteArray&) override {}

 private:
  const QString& listPage_;
};

struct Bench {
  Bench() : app(AppContextOptions{dir.path() + u'/', {}, {}, {}}), dlg(app, port, dir.path() + u'/') {
    ST_PERLISTRECORD album;
    album.strName = QStringLiteral("大相册");
    album.strUrl = QStringLiteral("http://photo.renren.com/photo/1/album-2");
    AddAlbum(dlg, album);
    dlg.CurrentSiteKind = SITE_RENREN;
    dlg.Settings.SetRule(SITE_RENREN, SaveRule{});
    dlg.Download.saveRoot = dir.path() + u'/';
    Reset();
  }
  void Reset() {
    app.batch.Clear();
    app.batch.folder = dlg.Download.saveRoot;
  }
  QTemporaryDir dir;
  AppContext app;
  QuietPort port;
  CLumvaneDlg dlg;
};

double TimeMs(const std::function<void()>& work) {
  QElapsedTimer timer;
  timer.start();
  work();
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace
}  // namespace lumvane

int main(int argc, char** argv) {
  using namespace lumvane;
  QCoreApplication app(argc, argv);
  QTextStream out(stdout);
  Bench bench;

  const double distinct = TimeMs([&] {
    for (int i = 0; i < kPictures; ++i) {
      AddPicture(bench.dlg, QStringLiteral("http://fmn.rrimg.com/p/%1.jpg").arg(i), u"海边的照片 " + QString::number(i),
                 QStringLiteral("Referer: x"), 0);
    }
  });
  bench.Reset();
  const double repeated = TimeMs([&] {
    for (int i = 0; i < kPictures; ++i) {
      AddPicture(bench.dlg, QStringLiteral("http://fmn.rrimg.com/p/%1.jpg").arg(i), QStringLiteral("同一个标题"),
                 QStringLiteral("Referer: x"), 0);
    }
  });
  bench.Reset();

  QString page = QStringLiteral("{\"photoList\":[");
  for (int i = 0; i < kPictures; ++i) {
    page += QStringLiteral(
                "{\"position\":%1,\"largeUrl\":\"http:\\/\\/fmn.rrimg.com\\/p\\/xlarge_%1.jpg\","
                "\"title\":\"\\u6d77\\u8fb9 %1\",\"photoId\":\"%1\"},")
                .arg(i + 1);
  }
  page += QStringLiteral("]}");
  bench.app.fetchers = [&page] { return std::make_unique<CannedAlbum>(page); };
  const double reading = TimeMs([&] { ReadRenrenAlbumAjax(bench.dlg, 0); });

  out << "naming " << kPictures << " pictures, distinct titles: " << qRound(distinct) << " ms\n";
  out << "naming " << kPictures << " pictures, one repeated title: " << qRound(repeated) << " ms\n";
  out << "reading a " << page.size() / 1024 << " K-unit list page of " << bench.app.batch.Count()
      << " pictures and naming them: " << qRound(reading) << " ms\n";
  return bench.app.batch.Count() == kPictures ? 0 : 1;
}
