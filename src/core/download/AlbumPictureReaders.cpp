#include "download/AlbumPictureReaders.h"

#include "app/AppContext.h"
#include "app/LumvaneDlg.h"
#include "catalogue/PageRepeatGuard.h"
#include "download/PictureNaming.h"
#include "text/DecimalText.h"
#include "text/FileNameText.h"
#include "text/HtmlText.h"
#include "text/MarkerSearch.h"
#include "web/PageFetcher.h"

namespace lumvane {
namespace {

const QString kPositionSeparator = QStringLiteral("\"position\":");
constexpr quint32 kSkippedPosition = 6553500;

bool CollectingEnded(const CLumvaneDlg& dlg) {
  const quint8 state = dlg.DownloadState;
  return state == DOWNLOAD_STOP_REQUESTED || state == DOWNLOAD_STOP_COLLECTING;
}

QString RefererLine(const QString& pageUrl) { return u"Referer: " + pageUrl; }

// A JSON string value: the text after `field` up to the next quotation mark.
QString JsonValue(QString& piece, const char16_t* field) {
  return GetBetween(piece, QString::fromUtf16(field), QStringLiteral("\""), GB_ADVANCE);
}

QString JsonAddress(QString& piece, const char16_t* field) {
  return JsonValue(piece, field).replace(QStringLiteral("\\/"), QStringLiteral("/"));
}

// True when the user wants to give the album's password; Yes opens the
// sign-in window at `loginAddress` and waits until it is closed.
bool AskForPassword(CLumvaneDlg& dlg, const QString& loginAddress) {
  const MessageAnswer answer =
      dlg.Port().MessageBox(QStringLiteral("加密相册,是否输入密码"), QStringLiteral("提示"), MessageButtons::YesNo);
  if (answer != MessageAnswer::Yes) return false;
  dlg.Port().OpenLogin(loginAddress);
  return true;
}

bool IsPasswordAlbum(const ST_PERLISTRECORD& album) { return album.nFlags & ALBUM_PASSWORD; }

QString WithoutQuery(QString address) {
  CutAt(address, QStringLiteral("?"));
  return address;
}

// Lists may link an album with a query; the password form hangs below the
// album's own address.
QString PasswordPage(const ST_PERLISTRECORD& album) { return WithoutQuery(album.strUrl) + u"/private"; }

// The album page names the album; the picture-list readers take that name
// unless another album of the list bears it. The list made the names
// unique, and two albums of one name would share a folder, the later one
// replacing the earlier one's pictures.
void RenameAlbumFromPage(const AlbumList& albums, ST_PERLISTRECORD& album, QString& page) {
  CutThrough(page, QStringLiteral("class=\"ablum-infor\">"), true);
  QString name = GetBetween(page, QStringLiteral("<h1>"), QStringLiteral("<span"), GB_ADVANCE);
  SanitizeFileName(name, kFallbackTimeStamp, true);
  if (name != album.strName && albums.ContainsName(name)) return;
  album.strName = name;
}

// Fetches a picture-list page and splits it into one piece per picture
// (pieces[1] onwards); false when the page cannot be read or lists none.
bool FetchPictureList(PageFetcher& fetcher, const QString& url, QStringList& pieces) {
  QString text;
  if (!fetcher.FetchText(url, text) || text.isEmpty()) return false;
  return SplitText(text, kPositionSeparator, pieces) > 0;
}

}  // namespace

void ReadRenrenAlbumV7(CLumvaneDlg& dlg, int albumIndex) {
  const ST_PERLISTRECORD& album = dlg.Albums.At(albumIndex);
  if (IsPasswordAlbum(album)) AskForPassword(dlg, album.strUrl);
  const auto fetcher = dlg.NewFetcher();
  const DownloadBatch& batch = dlg.App().batch;
  PageRepeatGuard guard;
  for (int page = 1;; ++page) {
    const QString url = album.strUrl + u"bypage/ajax/v7?page=" + QString::number(page) + u"&pageSize=40";
    QStringList pieces;
    if (!FetchPictureList(*fetcher, url, pieces)) return;
    const QString header = RefererLine(url);
    QStringList addresses;
    for (qsizetype i = 1; i < pieces.size(); ++i) addresses.append(JsonAddress(pieces[i], u"url\":\""));
    if (!guard.AcceptPage(addresses)) return;
    for (const QString& address : addresses) {
      AddPicture(dlg, address, QString::number(batch.Count() + 1), header, albumIndex);
      if (CollectingEnded(dlg)) return;
    }
  }
}

void ReadRenrenAlbumAjax(CLumvaneDlg& dlg, int albumIndex) {
  ST_PERLISTRECORD& album = dlg.Albums.At(albumIndex);
  if (IsPasswordAlbum(album) && !AskForPassword(dlg, PasswordPage(album))) return;
  const auto fetcher = dlg.NewFetcher();
  const DownloadBatch& batch = dlg.App().batch;
  const QString base = WithoutQuery(album.strUrl);
  QString photoBase = base;
  CutAt(photoBase, QStringLiteral("/album-"));
  PageRepeatGuard guard;
  for (int page = 0;; ++page) {
    if (batch.Count() == 0) {
      QString albumPage;
      if (!fetcher->FetchText(album.strUrl, albumPage) || albumPage.isEmpty()) return;
      RenameAlbumFromPage(dlg.Albums, album, albumPage);
    }
    const QString url = base + u"/bypage/ajax?curPage=" + QString::number(page) + u"&pagenum=65535";
    QStringList pieces;
    if (!FetchPictureList(*fetcher, url, pieces)) return;
    const QString header = RefererLine(url);
    struct Picture {
      QString address, title, photoId;
    };
    std::vector<Picture> pictures;
    QStringList addresses;
    for (qsizetype i = 1; i < pieces.size(); ++i) {
      QString& piece = pieces[i];
      Picture picture;
      picture.address = JsonAddress(piece, u"\"largeUrl\":\"");
      picture.title = UnescapeU(JsonValue(piece, u"\"title\":\""));
      if (picture.title.isEmpty()) picture.title = album.strName;
      picture.photoId = GetBetween(piece, QStringLiteral("\"photoId\":\""), QStringLiteral("\""), 0);
      addresses.append(picture.address);
      pictures.push_back(std::move(picture));
    }
    if (!guard.AcceptPage(addresses)) return;
    for (Picture& picture : pictures) {
      if (!picture.address.contains(QStringLiteral("original_")) &&
          !picture.address.contains(QStringLiteral("xlarge_"))) {
        // The list gives a medium size; the picture's own page has the large one.
        QString large;
        const QString largePage = photoBase + u"/photo-" + picture.photoId + u"/large?xtype=album";
        const QString marker = QStringLiteral("class=\"photoes-box\">");
        if (fetcher->FetchText(largePage, large) && large.indexOf(marker) > 0) {
          while (CutThrough(large, marker, true) >= 0) {
          }
          picture.address = GetBetween(large, QStringLiteral("src=\""), QStringLiteral("\""), GB_ADVANCE);
        }
      }
      AddPicture(dlg, picture.address, picture.title, header, albumIndex);
      if (CollectingEnded(dlg)) return;
    }
  }
}

void ReadRenrenAlbumPage(CLumvaneDlg& dlg, int albumIndex) {
  ST_PERLISTRECORD& album = dlg.Albums.At(albumIndex);
  if (IsPasswordAlbum(album) && !AskForPassword(dlg, PasswordPage(album))) return;
  const auto fetcher = dlg.NewFetcher();
  const DownloadBatch& batch = dlg.App().batch;
  QString next = album.strUrl;
  PageRepeatGuard guard;
  for (;;) {
    if (batch.Count() == 0) {
      QString albumPage;
      if (!fetcher->FetchText(next, albumPage) || albumPage.isEmpty()) return;
      RenameAlbumFromPage(dlg.Albums, album, albumPage);
      CutThrough(albumPage, QStringLiteral("data-info=\"{album:'"), true);
      next = GetBetween(albumPage, QStringLiteral("href=\""), QStringLiteral("\""), GB_ADVANCE);
    }
    QString text;
    if (!fetcher->FetchText(next, text) || text.isEmpty()) return;
    const QString header = RefererLine(next);
    if (CutThrough(text, QStringLiteral("\"list\":"), true) < 0) return;
    QStringList pieces;
    const qsizetype count = SplitText(text, kPositionSeparator, pieces);
    if (count == 0) return;
    struct Picture {
      quint32 position;
      QString address, title;
    };
    std::vector<Picture> pictures;
    QStringList addresses;
    for (qsizetype i = 1; i <= count; ++i) {
      QString& piece = pieces[i];
      Picture picture;
      picture.position = ReadDecimal(TextBefore(piece, QStringLiteral(",")));
      if (picture.position >= kSkippedPosition) continue;
      picture.title = UnescapeU(JsonValue(piece, u"\"originTitle\":\""));
      if (picture.title.isEmpty()) picture.title = album.strName;
      const QString large = JsonAddress(piece, u"\"largeurl\":\"");
      next = JsonAddress(piece, u"\"link\":\"");
      picture.address = JsonAddress(piece, u"\"xLargeUrl\":\"");
      if (picture.address.isEmpty()) picture.address = large;
      addresses.append(picture.address);
      pictures.push_back(std::move(picture));
    }
    if (!guard.AcceptPage(addresses)) return;
    for (const Picture& picture : pictures) {
      AddPicture(dlg, picture.address, picture.title, header, albumIndex);
      if (CollectingEnded(dlg) || picture.position <= 1) return;
    }
  }
}

void ReadZhanAlbum(CLumvaneDlg& dlg, int albumIndex) {
  const ST_PERLISTRECORD& album = dlg.Albums.At(albumIndex);
  const auto fetcher = dlg.NewFetcher();
  fetcher->SetMarkers("id=\"main-wrap\"", "class=\"ccagreement\">");
  QString text;
  if (!fetcher->FetchText(album.strUrl, text) || text.isEmpty()) return;
  const QString photoMarker = QStringLiteral("class=\"photo\">");
  QStringList pieces;
  if (SplitText(text, text.contains(photoMarker) ? photoMarker : QStringLiteral("<img"), pieces) == 0) return;
  QString& first = pieces[1];
  QString address = GetBetween(first, QStringLiteral("data-src=\""), QStringLiteral("\""), 0);
  if (address.isEmpty()) address = GetBetween(first, QStringLiteral("src=\""), QStringLiteral("\""), 0);
  AddPicture(dlg, address, album.strName, RefererLine(album.strUrl), albumIndex);
}

}  // namespace lumvane
