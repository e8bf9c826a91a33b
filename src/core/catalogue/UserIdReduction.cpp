#include "catalogue/UserIdReduction.h"

#include "app/AppContext.h"
#include "app/LumvaneDlg.h"
#include "catalogue/AlbumListJob.h"
#include "text/MarkerSearch.h"
#include "web/PageFetcher.h"

namespace lumvane {
namespace {

bool IsAllDigits(const QString& text) {
  for (QChar c : text) {
    if (c < u'0' || c > u'9') return false;
  }
  return true;
}

}  // namespace

bool ReduceToUserId(CLumvaneDlg& dlg, QString address, QString& userId) {
  const bool publicPage = address.contains(dlg.Sites().pageFragment);
  if (publicPage) {
    CutThrough(address, QStringLiteral(".com/"), true);
    CutAt(address, QStringLiteral("/"));
  }
  CutThrough(address, QStringLiteral("id="), true);
  for (const char16_t* marker : {u"?", u"/album", u"/profile", u"/channel-"})
    CutAt(address, QString::fromUtf16(marker));
  const qsizetype slash = address.lastIndexOf(u'/');
  if (slash > 0) address.remove(0, slash + 1);

  if (!address.isEmpty() && !IsAllDigits(address)) {
    const QString profileUrl = dlg.SiteUrl(publicPage ? SiteHost::Page : SiteHost::Main, u"/" + address);
    QString profile;
    if (!FetchListPage(dlg, *dlg.NewFetcher(), profileUrl, profile)) return false;
    address = GetBetween(profile, QStringLiteral("pid: '"), QStringLiteral("'"), 0);
    if (address.isEmpty()) address = GetBetween(profile, QStringLiteral("profile_owner ="), QStringLiteral(";"), 0);
  }
  userId = address.trimmed();
  return true;
}

}  // namespace lumvane
