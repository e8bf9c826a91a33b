#include "samplesite/PhotoHostRoutes.h"

#include <algorithm>

#include "samplesite/AlbumListPages.h"
#include "samplesite/AlbumPages.h"
#include "samplesite/PictureListPages.h"

namespace lumvane {
namespace {

constexpr qint64 kV7PageSize = 40;
constexpr qint64 kSingleRequestLimit = 500;

// Readers build their addresses from the album address as listed, which
// may or may not end in "/": "album-<id>bypage/…" and "album-<id>//bypage/…"
// mean the same page.
QByteArrayView WithoutLeadingSlashes(QByteArrayView text) {
  while (text.startsWith('/')) text = text.sliced(1);
  return text;
}

// Splits "<digits><rest>" after a prefix such as "album-".
std::optional<quint64> LeadingId(QByteArrayView text, QByteArrayView& rest) {
  qsizetype digits = 0;
  while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
  rest = text.sliced(digits);
  return ParseId(text.first(digits));
}

std::optional<SitePage> RouteAlbumList(const SampleUser& user, QByteArrayView rest, const RequestTarget& target) {
  const bool singleRequest = user.albumList == AlbumListShape::ClassicSingleRequest;
  if (rest == "albumlist/v7") {
    if (singleRequest) return std::nullopt;
    return V7AlbumListPage(user);
  }
  if (rest == "album/relatives") {
    const std::optional<qint64> page = target.Number("curpage", 1);
    if (!page || *page < 1 || *page > 1000000) return std::nullopt;
    return ClassicAlbumListPage(user, (*page - 1) * kClassicListPageSize, kClassicListPageSize, !singleRequest);
  }
  const std::optional<qint64> offset = target.Number("offset", 0);
  const std::optional<qint64> limit = target.Number("limit", kClassicListPageSize);
  if (!offset || !limit || *offset < 0 || *limit < 0) return std::nullopt;
  if (rest == "album/relatives/ajax") {
    // This user's further pages all come out as the second one.
    const qint64 first = user.albumList == AlbumListShape::ClassicIgnoresOffset ? kClassicListPageSize : *offset;
    return ClassicAlbumListFragment(user, first, *limit, false);
  }
  if (rest == "ajax") return ClassicAlbumListFragment(user, *offset, std::min(*limit, kSingleRequestLimit), true);
  return std::nullopt;
}

std::optional<SitePage> RouteAlbum(const SampleSiteContent& content, const SampleUser& user, const SampleAlbum& album,
                                   QByteArrayView rest, const RequestTarget& target) {
  rest = WithoutLeadingSlashes(rest);
  if (rest.isEmpty()) return ClassicAlbumPage(user, album, content.visitorName);
  if (rest == "v7" || rest == "v7/") return V7AlbumPage(user, album, content.visitorName);
  if (rest == "private") return AlbumPasswordPage(user, album);
  if (rest == "photos") return PhotoListPage(user, album, 0);
  if (rest == "bypage/ajax/v7") {
    const std::optional<qint64> page = target.Number("page", 1);
    const std::optional<qint64> pageSize = target.Number("pageSize", kV7PageSize);
    if (!page || !pageSize) return std::nullopt;
    return V7PicturePage(user, album, *page, *pageSize);
  }
  if (rest == "bypage/ajax") {
    const std::optional<qint64> page = target.Number("curPage", 0);
    const std::optional<qint64> pageSize = target.Number("pagenum", kV7PageSize);
    if (!page || !pageSize) return std::nullopt;
    return AjaxPicturePage(user, album, *page, *pageSize);
  }
  return std::nullopt;
}

std::optional<SitePage> RoutePhoto(const SampleUser& user, quint64 pictureId, QByteArrayView rest) {
  for (const SampleAlbum& album : user.albums) {
    const qsizetype index = FindPicture(album, pictureId);
    if (index < 0) continue;
    if (rest.isEmpty()) return PhotoListPage(user, album, index + 1);
    if (rest == "/large") return LargePicturePage(user, album.pictures[static_cast<size_t>(index)]);
    return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

std::optional<SitePage> RoutePhotoHost(const SampleSiteContent& content, const RequestTarget& target) {
  QByteArrayView path = target.Path();
  if (!path.startsWith("/photo/")) return std::nullopt;
  path = path.sliced(7);
  const qsizetype slash = path.indexOf('/');
  if (slash < 0) return std::nullopt;
  const std::optional<quint64> userId = ParseId(path.first(slash));
  const SampleUser* user = userId ? content.FindUser(*userId) : nullptr;
  if (!user) return std::nullopt;
  const QByteArrayView rest = path.sliced(slash + 1);

  QByteArrayView after;
  if (rest.startsWith("album-")) {
    const std::optional<quint64> albumId = LeadingId(rest.sliced(6), after);
    const SampleAlbum* album = albumId ? FindAlbum(*user, *albumId) : nullptr;
    if (!album) return std::nullopt;
    return RouteAlbum(content, *user, *album, after, target);
  }
  if (rest.startsWith("photo-")) {
    const std::optional<quint64> pictureId = LeadingId(rest.sliced(6), after);
    if (!pictureId) return std::nullopt;
    return RoutePhoto(*user, *pictureId, after);
  }
  return RouteAlbumList(*user, rest, target);
}

}  // namespace lumvane
