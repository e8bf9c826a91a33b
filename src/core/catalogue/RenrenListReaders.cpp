#include "catalogue/RenrenListReaders.h"

#include <vector>

#include "app/LumvaneDlg.h"
#include "catalogue/AlbumListJob.h"
#include "catalogue/PageRepeatGuard.h"
#include "text/DecimalText.h"
#include "text/HtmlText.h"
#include "text/MarkerSearch.h"
#include "web/PageFetcher.h"

namespace lumvane {
namespace {

constexpr int kClassicPageSize = 40;
constexpr int kSingleAlbumNameMax = 300;

QString PhotoUrl(const CLumvaneDlg& dlg, const QString& path) { return dlg.SiteUrl(SiteHost::Photo, path); }

// "<title>人人网 - NAME的相册</title>" gives NAME.
QString OwnerFromTitle(QString& page) {
  QString owner = GetBetween(page, QStringLiteral("<title>人人网 - "), QStringLiteral("</title>"), GB_ADVANCE);
  CutAt(owner, QStringLiteral("的相册"));
  return owner;
}

// One "<li>" of a classic list page.
ST_PERLISTRECORD ReadClassicListItem(QString& piece) {
  ST_PERLISTRECORD record;
  record.strUrl = GetBetween(piece, QStringLiteral("href=\""), QStringLiteral("\""), GB_ADVANCE);
  record.strCoverUrl = GetBetween(piece, QStringLiteral("data-src=\""), QStringLiteral("\""), GB_ADVANCE);
  record.nPhotoCount = static_cast<qint32>(
      ReadDecimal(GetBetween(piece, QStringLiteral("photo-num\">"), QStringLiteral("</div>"), GB_ADVANCE)));
  record.strName = GetBetween(piece, QStringLiteral("album-name\">"), QStringLiteral("</span>"), GB_ADVANCE);
  if (record.strName.indexOf(QStringLiteral("class=\"userhead\"")) > 0) {
    record.strName = QStringLiteral("头像相册");
  } else if (record.strName.indexOf(QStringLiteral("class=\"phone")) > 0) {
    record.strName = QStringLiteral("手机相册");
  } else if (record.strName.indexOf(QStringLiteral("class=\"password")) > 0) {
    record.strName = QStringLiteral("加密相册");
    record.nFlags |= ALBUM_PASSWORD;
  }
  record.strName = StripTags(record.strName);
  return record;
}

}  // namespace

void ReadAlbumListV7(const QString& userId, CLumvaneDlg& dlg) {
  const auto fetcher = dlg.NewFetcher();
  QString page;
  if (!FetchListPage(dlg, *fetcher, PhotoUrl(dlg, u"/photo/" + userId + u"/albumlist/v7?showAll=1#"), page) ||
      page.isEmpty()) {
    return;
  }
  dlg.OwnerName = OwnerFromTitle(page);
  CutThrough(page, QStringLiteral("'albumList'"), true);
  CutAt(page, QStringLiteral("</script>"));
  QStringList pieces;
  const qsizetype count = SplitText(page, QStringLiteral("\"cover\""), pieces);
  for (qsizetype i = 1; i <= count; ++i) {
    QString& piece = pieces[i];
    ST_PERLISTRECORD record;
    record.strCoverUrl = GetBetween(piece, QStringLiteral("\""), QStringLiteral("\""), GB_ADVANCE)
                             .replace(QStringLiteral("\\/"), QStringLiteral("/"));
    record.strName = UnescapeU(GetBetween(piece, QStringLiteral("albumName\":\""), QStringLiteral("\""), GB_ADVANCE));
    const QString albumId = GetBetween(piece, QStringLiteral("albumId\":\""), QStringLiteral("\""), GB_ADVANCE);
    record.strUrl = PhotoUrl(dlg, u"/photo/" + userId + u"/album-" + albumId + u"/");
    if (piece.indexOf(QStringLiteral("sourceControl\":4,")) > 0) record.nFlags |= ALBUM_PASSWORD;
    record.nPhotoCount = static_cast<qint32>(
        ReadDecimal(GetBetween(piece, QStringLiteral("photoCount\":"), QStringLiteral(","), GB_ADVANCE)));
    AddAlbum(dlg, record);
    if (ListStopRequested(dlg)) return;
  }
}

void ReadAlbumList(const QString& userId, CLumvaneDlg& dlg) {
  const auto fetcher = dlg.NewFetcher();
  PageRepeatGuard guard;
  bool lastPage = false;
  for (int k = 1; !lastPage; ++k) {
    const QString url = k == 1 ? PhotoUrl(dlg, u"/photo/" + userId + u"/album/relatives?curpage=1")
                               : PhotoUrl(dlg, u"/photo/" + userId + u"/album/relatives/ajax?offset=" +
                                                   QString::number((k - 1) * kClassicPageSize) + u"&limit=" +
                                                   QString::number(kClassicPageSize));
    QString page;
    if (!FetchListPage(dlg, *fetcher, url, page) || page.isEmpty()) return;
    if (k == 1) {
      dlg.OwnerName = OwnerFromTitle(page);
      if (!page.contains(QStringLiteral("first-page clearfix"))) {
        // This user's albums come in one request instead of pages.
        const QString wholeUrl = PhotoUrl(dlg, u"/photo/" + userId + u"/ajax?__view=async-html&offset=0&limit=500");
        QString whole;
        if (!FetchListPage(dlg, *fetcher, wholeUrl, whole) || whole.isEmpty() ||
            !whole.contains(QStringLiteral("first-page clearfix"))) {
          return;
        }
        page = whole;
        lastPage = true;
      }
    }
    CutThrough(page, QStringLiteral("class=\"album-list"), true);
    CutThrough(page, QStringLiteral("<ul"), true);
    CutAt(page, QStringLiteral("first-page clearfix"));
    QStringList pieces;
    const qsizetype count = SplitText(page, QStringLiteral("<li>"), pieces);
    if (count == 0) return;
    std::vector<ST_PERLISTRECORD> records;
    QStringList addresses;
    for (qsizetype i = 1; i <= count; ++i) {
      records.push_back(ReadClassicListItem(pieces[i]));
      addresses.append(records.back().strUrl);
    }
    if (!guard.AcceptPage(addresses)) return;
    for (const ST_PERLISTRECORD& record : records) {
      AddAlbum(dlg, record);
      if (ListStopRequested(dlg)) return;
    }
  }
}

void ReadAlbumPageV7(const QString& address, CLumvaneDlg& dlg) {
  const auto fetcher = dlg.NewFetcher();
  QString page;
  if (!FetchListPage(dlg, *fetcher, address, page)) return;
  dlg.ReaderText1 = GetBetween(page, QStringLiteral("name : \""), QStringLiteral("\""), GB_ADVANCE);
  // Without the album's data this is no album page (an error page, say).
  const QString nameMarker = QStringLiteral("albumName':'");
  if (!page.contains(nameMarker)) return;
  ST_PERLISTRECORD record;
  record.strName = GetBetween(page, nameMarker, QStringLiteral("'"), GB_ADVANCE);
  if (record.strName.size() > kSingleAlbumNameMax) return;
  record.strUrl = address.left(address.indexOf(QStringLiteral("/v7")) + 1);
  record.nPhotoCount = static_cast<qint32>(
      ReadDecimal(GetBetween(page, QStringLiteral("photoCount':"), QStringLiteral(","), GB_ADVANCE)));
  AddAlbum(dlg, record);
  CutThrough(page, QStringLiteral("fd-nav-item"), true);
  dlg.OwnerName = StripTags(GetBetween(page, QStringLiteral("/profile\">"), QStringLiteral("</"), GB_ADVANCE));
  // Visitors looking at their own album see "我的主页" there.
  if (dlg.OwnerName == QStringLiteral("我的主页")) dlg.OwnerName = dlg.ReaderText1;
}

void ReadAlbumPage(const QString& address, CLumvaneDlg& dlg) {
  const auto fetcher = dlg.NewFetcher();
  QString page;
  if (!FetchListPage(dlg, *fetcher, address, page)) return;
  dlg.ReaderText1 = GetBetween(page, QStringLiteral("class=\"nav-tabs\">"), QStringLiteral("</ul>"), 0);
  dlg.OwnerName = StripTags(GetBetween(dlg.ReaderText1, QStringLiteral("<li>"), QStringLiteral("</li>"), GB_ADVANCE));
  if (dlg.OwnerName == QStringLiteral("我的相册")) {
    dlg.OwnerName = GetBetween(page, QStringLiteral("guestName\" value=\""), QStringLiteral("\""), 0);
  }
  if (CutThrough(page, QStringLiteral("class=\"ablum-infor\">"), true) < 0) return;  // no album page
  ST_PERLISTRECORD record;
  record.strName = GetBetween(page, QStringLiteral("<h1>"), QStringLiteral("<span"), GB_ADVANCE);
  if (record.strName.size() > kSingleAlbumNameMax) return;
  record.strUrl = address;
  record.nPhotoCount =
      static_cast<qint32>(ReadDecimal(GetBetween(page, QStringLiteral("\">("), QStringLiteral("张"), GB_ADVANCE)));
  AddAlbum(dlg, record);
}

}  // namespace lumvane
