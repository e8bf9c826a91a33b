#include "catalogue/ZhanArchiveReader.h"

#include "app/LumvaneDlg.h"
#include "catalogue/AlbumListJob.h"
#include "catalogue/PageRepeatGuard.h"
#include "text/HtmlText.h"
#include "text/MarkerSearch.h"
#include "web/PageFetcher.h"

namespace lumvane {
namespace {

// The post pages are JSON-escaped HTML: these markers hold real backslashes.
const QString kPostSeparator = QStringLiteral("<div id=\\\"");
const QString kEscapedQuote = QStringLiteral("\\\"");

QString ZhanUrl(const CLumvaneDlg& dlg, const QString& path) { return dlg.SiteUrl(SiteHost::Zhan, path); }

// The month values of the archive page, in page order; empty when the page
// cannot be read or lists no month.
QStringList ReadMonths(CLumvaneDlg& dlg, PageFetcher& fetcher, const QString& siteId) {
  QString list;
  if (!FetchListPage(dlg, fetcher, ZhanUrl(dlg, u"/archive?site_id=" + siteId), list) || list.isEmpty()) return {};
  CutThrough(list, QStringLiteral("class=\"time_control"), true);
  CutAt(list, QStringLiteral("</section>"));
  QStringList pieces;
  const qsizetype count = SplitText(list, QStringLiteral("mark=\""), pieces);
  QStringList months;
  for (qsizetype i = 1; i <= count; ++i) {
    QString month = pieces[i];
    CutAt(month, QStringLiteral("\""));
    months.append(month);
  }
  return months;
}

}  // namespace

void ReadZhanArchive(CLumvaneDlg& dlg, const QString& address) {
  const auto fetcher = dlg.NewFetcher();
  QString sitePage;
  if (!FetchListPage(dlg, *fetcher, address, sitePage) || sitePage.isEmpty()) return;

  QString sitePath = address;
  CutThrough(sitePath, QStringLiteral("com/"), true);
  CutAt(sitePath, QStringLiteral("?"));
  sitePath = sitePath.trimmed();
  const QString siteId = GetBetween(sitePage, QStringLiteral("site_id="), QStringLiteral("\""), 0);
  dlg.OwnerName = GetBetween(sitePage, QStringLiteral("name:'"), QStringLiteral("'"), 0);

  QString tagPart;
  QStringList months;
  const qsizetype tagAt = address.indexOf(QStringLiteral("tagId="));
  if (tagAt > 0) {
    QString tagId = address.mid(tagAt + 6);
    CutAt(tagId, QStringLiteral("&"));
    QString entry = GetBetween(sitePage, QStringLiteral("class=\"s\""), QStringLiteral("</li>"), 0);
    dlg.TagName = GetBetween(entry, QStringLiteral(">"), QStringLiteral("<"), 0);
    tagPart = u"&tag_id=" + tagId;
    months.append(QString());  // the tag archive has no months
  } else {
    months = ReadMonths(dlg, *fetcher, siteId);
    if (months.isEmpty()) return;
  }
  dlg.ReaderText1 = siteId;
  dlg.ReaderText2 = tagPart;

  for (const QString& month : months) {
    PageRepeatGuard guard;
    for (int n = 0;; ++n) {
      const QString url =
          month.isEmpty()
              ? ZhanUrl(dlg, u"/archive/archiveByTag?site_id=" + siteId + tagPart + u"&page=" + QString::number(n))
              : ZhanUrl(dlg, u"/archive/archiveByTime?site_id=" + siteId + tagPart + u"&month=" + month + u"&page=" +
                                 QString::number(n));
      QString text;
      if (!FetchListPage(dlg, *fetcher, url, text) || text.isEmpty() || !text.contains(kPostSeparator)) break;
      QStringList pieces;
      const qsizetype count = SplitText(text, kPostSeparator, pieces);
      std::vector<ST_PERLISTRECORD> posts;
      QStringList addresses;
      for (qsizetype i = 1; i <= count; ++i) {
        ST_PERLISTRECORD record;
        QString& piece = pieces[i];
        const QString postId = TextBefore(piece, kEscapedQuote).remove(QStringLiteral("feed"));
        record.strUrl = ZhanUrl(dlg, u"/" + sitePath + u"?gid=" + postId + u"&ajax=true");
        record.strName =
            UnescapeU(GetBetween(piece, QStringLiteral("class=\\\"title\\\">"), QStringLiteral("<\\/"), GB_ADVANCE));
        addresses.append(record.strUrl);
        posts.push_back(std::move(record));
      }
      if (!guard.AcceptPage(addresses)) break;
      for (const ST_PERLISTRECORD& post : posts) {
        AddAlbum(dlg, post);
        if (ListStopRequested(dlg)) return;
      }
    }
  }
}

}  // namespace lumvane
