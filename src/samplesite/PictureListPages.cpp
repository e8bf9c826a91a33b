#include "samplesite/PictureListPages.h"

#include <algorithm>

#include "samplesite/PhotoAddresses.h"
#include "samplesite/SiteText.h"

namespace lumvane {
namespace {

bool IsLargest(const SamplePicture& picture) {
  return picture.sizeName == "original_" || picture.sizeName == "xlarge_";
}

// Indices [begin, end) of page `page` (counted from `firstPage`).
std::pair<size_t, size_t> PageRange(const SampleAlbum& album, qint64 page, qint64 firstPage, qint64 pageSize) {
  const qint64 total = static_cast<qint64>(album.pictures.size());
  if (page < firstPage || pageSize <= 0 || (page - firstPage) > total / pageSize) return {0, 0};
  const qint64 begin = std::min(total, (page - firstPage) * pageSize);
  return {static_cast<size_t>(begin), static_cast<size_t>(std::min(total, begin + pageSize))};
}

SitePage JsonPage(const SampleUser& user, const QString& text) { return {text, "application/json", user.style}; }

}  // namespace

SitePage V7PicturePage(const SampleUser& user, const SampleAlbum& album, qint64 page, qint64 pageSize) {
  QString pieces;
  if (album.pictureList == PictureListShape::V7) {
    const auto [begin, end] = PageRange(album, album.v7IgnoresPage ? 1 : page, 1, pageSize);
    for (size_t i = begin; i < end; ++i) {
      const SamplePicture& picture = album.pictures[i];
      if (!pieces.isEmpty()) pieces += u',';
      pieces += u"{\"position\":" + QString::number(i + 1) + u",\"photoId\":\"" + QString::number(picture.id) +
                u"\",\"url\":\"" + JsonText(picture.Url()) + u"\",\"width\":" + QString::number(picture.width) +
                u",\"height\":" + QString::number(picture.height) + u'}';
    }
  }
  return JsonPage(user, u"{\"albumId\":\"" + QString::number(album.id) + u"\",\"page\":" + QString::number(page) +
                            u",\"photoList\":[" + pieces + u"]}");
}

SitePage AjaxPicturePage(const SampleUser& user, const SampleAlbum& album, qint64 page, qint64 pageSize) {
  QString pieces;
  if (album.pictureList <= PictureListShape::Ajax) {
    const auto [begin, end] = PageRange(album, page, 0, pageSize);
    for (size_t i = begin; i < end; ++i) {
      const SamplePicture& picture = album.pictures[i];
      const QString listed = IsLargest(picture) ? picture.Url() : picture.UrlAs("main_");
      if (!pieces.isEmpty()) pieces += u',';
      pieces += u"{\"position\":" + QString::number(i + 1) + u",\"largeUrl\":\"" + JsonText(listed) +
                u"\",\"title\":\"" + JsonText(picture.title) + u"\",\"photoId\":\"" + QString::number(picture.id) +
                u"\"}";
    }
  }
  return JsonPage(user, u"{\"albumId\":\"" + QString::number(album.id) + u"\",\"photoCount\":" +
                            QString::number(album.reportedCount) + u",\"photoList\":[" + pieces + u"]}");
}

SitePage LargePicturePage(const SampleUser& user, const SamplePicture& picture) {
  const QString body = u"<div class=\"photoes-box\"><img class=\"thumb\" src=\"" + picture.UrlAs("head_") +
                       u"\"/></div>\n<div class=\"photo-tools\"><a href=\"" + PhotoPageUrl(user, picture) +
                       u"\">返回</a></div>\n<div class=\"photoes-box\"><img id=\"large-photo\" src=\"" + picture.Url() +
                       u"\"/></div>";
  return {HtmlDocument(u"人人网 - " + HtmlText(picture.title), user.style.charset, body), "text/html", user.style};
}

SitePage PhotoListPage(const SampleUser& user, const SampleAlbum& album, qint64 first) {
  QString pieces;
  if (first == 0) {
    pieces += u"{\"position\":" + QString::number(kNotAPicturePosition) +
              u",\"originTitle\":\"\",\"largeurl\":\"\",\"link\":\"\",\"xLargeUrl\":\"\"}";
  }
  const size_t total = album.pictures.size();
  const size_t begin = static_cast<size_t>(std::clamp<qint64>(first, 0, static_cast<qint64>(total)));
  const size_t end = std::min(total, begin + kPhotoListPageSize);
  for (size_t i = begin; i < end; ++i) {
    const SamplePicture& picture = album.pictures[i];
    const bool largest = IsLargest(picture);
    if (!pieces.isEmpty()) pieces += u',';
    pieces += u"{\"position\":" + QString::number(total - i) + u",\"originTitle\":\"" + JsonText(picture.title) +
              u"\",\"largeurl\":\"" + JsonText(largest ? picture.UrlAs("large_") : picture.Url()) + u"\",\"link\":\"" +
              JsonText(PhotoPageUrl(user, picture)) + u"\",\"xLargeUrl\":\"" +
              (largest ? JsonText(picture.Url()) : QString()) + u"\"}";
  }
  const QString body =
      u"<div id=\"photo-list\"></div>\n<script type=\"text/javascript\">\nnx.data.photos = {\"albumId\":\"" +
      QString::number(album.id) + u"\",\"list\":[" + pieces + u"]};\n</script>";
  return {HtmlDocument(u"人人网 - " + HtmlText(album.name), user.style.charset, body), "text/html", user.style};
}

}  // namespace lumvane
