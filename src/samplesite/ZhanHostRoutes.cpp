#include "samplesite/ZhanHostRoutes.h"

#include "samplesite/ZhanPages.h"

namespace lumvane {
namespace {

const ZhanSite* SiteOf(const SampleSiteContent& content, const RequestTarget& target) {
  const std::optional<quint64> id = ParseId(target.Query("site_id"));
  return id ? content.FindZhanSite(*id) : nullptr;
}

// Page `page` (from 0) of the posts that pass `test`.
template <typename Test>
SitePage PostsPage(const ZhanSite& site, qint64 page, Test test) {
  std::vector<const ZhanPost*> posts;
  qint64 index = 0;
  const qint64 first = page * site.postsPerPage;
  for (const ZhanPost& post : site.posts) {
    if (!test(post)) continue;
    if (index >= first && index < first + site.postsPerPage) posts.push_back(&post);
    ++index;
  }
  return ZhanPostsPage(site, posts);
}

std::optional<SitePage> RouteArchive(const ZhanSite& site, QByteArrayView path, const RequestTarget& target) {
  if (path == "/archive") return ZhanMonthListPage(site);
  const std::optional<qint64> page = target.Number("page", 0);
  if (!page || *page < 0 || *page > 1000000) return std::nullopt;
  if (path == "/archive/archiveByTime") {
    const QString month = QString::fromLatin1(target.Query("month"));
    return PostsPage(site, *page, [&](const ZhanPost& post) { return post.month == month; });
  }
  if (path == "/archive/archiveByTag") {
    const std::optional<quint64> tagId = ParseId(target.Query("tag_id"));
    if (!tagId) return std::nullopt;
    return PostsPage(site, *page, [&](const ZhanPost& post) { return post.tagId == static_cast<int>(*tagId); });
  }
  return std::nullopt;
}

std::optional<SitePage> RouteSitePage(const ZhanSite& site, const RequestTarget& target) {
  const QByteArray postId = target.Query("gid");
  if (!postId.isNull()) {
    const std::optional<quint64> id = ParseId(postId);
    for (const ZhanPost& post : site.posts) {
      if (id && post.id == *id) return ZhanPostPage(site, post);
    }
    return std::nullopt;
  }
  const QByteArray tag = target.Query("tagId");
  if (tag.isNull()) return ZhanFrontPage(site, 0);
  const std::optional<quint64> tagId = ParseId(tag);
  if (!tagId) return std::nullopt;
  return ZhanFrontPage(site, static_cast<int>(*tagId));
}

}  // namespace

std::optional<SitePage> RouteZhanHost(const SampleSiteContent& content, const RequestTarget& target) {
  const QByteArray& path = target.Path();
  if (path == "/archive" || path.startsWith("/archive/")) {
    const ZhanSite* site = SiteOf(content, target);
    if (!site) return std::nullopt;
    return RouteArchive(*site, path, target);
  }
  const ZhanSite* site = path.size() > 1 ? content.FindZhanSite(QByteArrayView(path).sliced(1)) : nullptr;
  if (!site) return std::nullopt;
  return RouteSitePage(*site, target);
}

}  // namespace lumvane
