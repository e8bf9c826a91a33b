#include "samplesite/AlbumListPages.h"

#include <algorithm>

#include "samplesite/PhotoAddresses.h"
#include "samplesite/SiteText.h"

namespace lumvane {
namespace {

constexpr int kSourceControlPublic = 99;
constexpr int kSourceControlPassword = 4;

QString ListTitle(const SampleUser& user) { return u"人人网 - " + HtmlText(user.name) + u"的相册"; }

QString V7AlbumEntry(const SampleUser& user, const SampleAlbum& album) {
  return u"{\"cover\":\"" + JsonText(album.cover.Url()) + u"\",\"albumName\":\"" + JsonText(album.name) +
         u"\",\"albumId\":\"" + QString::number(album.id) + u"\",\"ownerId\":\"" + QString::number(user.id) +
         u"\",\"sourceControl\":" + QString::number(album.password ? kSourceControlPassword : kSourceControlPublic) +
         u",\"photoCount\":" + QString::number(album.reportedCount) + u",\"type\":" +
         QString::number(static_cast<int>(album.kind)) + u'}';
}

// The kind shows as an icon after the name, where the list reader looks
// for it.
QString KindIcon(const SampleAlbum& album) {
  if (album.kind == AlbumKind::Avatar) return QStringLiteral("<i class=\"userhead\"></i>");
  if (album.kind == AlbumKind::Mobile) return QStringLiteral("<i class=\"phone-icon\"></i>");
  if (album.password) return QStringLiteral("<i class=\"password-icon\"></i>");
  return QString();
}

QString ClassicAlbumItem(const SampleUser& user, const SampleAlbum& album) {
  return u"<li>\n<a class=\"album-cover\" href=\"" + ClassicListedAlbumUrl(user, album) + u"\"><img data-src=\"" +
         album.cover.Url() + u"\" src=\"http://s.xnimg.cn/imgpro/bg/bg_line.png\" alt=\"\"/></a>\n" +
         u"<div class=\"album-detail\"><div class=\"photo-num\">" + QString::number(album.reportedCount) +
         u"</div>\n<span class=\"album-name\">" + HtmlText(album.name) + KindIcon(album) + u"</span></div>\n</li>\n";
}

QString ClassicAlbumList(const SampleUser& user, qint64 first, qint64 count, bool pagingMarker) {
  QString list = QStringLiteral("<div class=\"album-list clearfix\">\n<ul class=\"album-ul\">\n");
  const qint64 total = static_cast<qint64>(user.albums.size());
  const qint64 begin = std::clamp<qint64>(first, 0, total);
  const qint64 end = std::clamp<qint64>(begin + std::max<qint64>(count, 0), begin, total);
  for (qint64 i = begin; i < end; ++i) list += ClassicAlbumItem(user, user.albums[static_cast<size_t>(i)]);
  list += u"</ul>\n</div>\n";
  if (pagingMarker) list += u"<div class=\"first-page clearfix\"><a class=\"more\" href=\"#\">加载更多</a></div>\n";
  return list;
}

}  // namespace

SitePage V7AlbumListPage(const SampleUser& user) {
  QString entries;
  if (user.albumList == AlbumListShape::V7) {
    for (const SampleAlbum& album : user.albums) {
      if (!entries.isEmpty()) entries += u',';
      entries += V7AlbumEntry(user, album);
    }
  }
  const QString body =
      u"<div id=\"album-wrap\" class=\"fd-wrap\"></div>\n<script type=\"text/javascript\">\n"
      u"nx.data.photo = {\n'ownerId': '" +
      QString::number(user.id) + u"',\n'albumList': {\"albumList\":[" + entries + u"],\"albumCount\":" +
      QString::number(user.albumList == AlbumListShape::V7 ? user.albums.size() : 0) + u"}\n};\n</script>";
  return {HtmlDocument(ListTitle(user), user.style.charset, body), "text/html", user.style};
}

SitePage ClassicAlbumListPage(const SampleUser& user, qint64 first, qint64 count, bool pagingMarker) {
  const QString body = u"<div class=\"photo-head\"><h2>" + HtmlText(user.name) +
                       u"的相册</h2></div>\n<div class=\"album-box\">\n" +
                       ClassicAlbumList(user, first, count, pagingMarker) + u"</div>";
  return {HtmlDocument(ListTitle(user), user.style.charset, body), "text/html", user.style};
}

SitePage ClassicAlbumListFragment(const SampleUser& user, qint64 first, qint64 count, bool pagingMarker) {
  return {ClassicAlbumList(user, first, count, pagingMarker), "text/html", user.style};
}

}  // namespace lumvane
