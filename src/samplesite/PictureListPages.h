#pragma once
// The pages that list an album's pictures, one shape per picture-list
// reader, and the large-picture page.

#include "samplesite/SampleSiteContent.h"
#include "samplesite/SitePage.h"

namespace lumvane {

inline constexpr int kPhotoListPageSize = 10;
// Pieces at this position or above are not pictures (the list reader skips
// them); the first photo-list page starts with one.
inline constexpr int kNotAPicturePosition = 6553501;

// Page `page` (from 1) of `pageSize` pictures: "position" pieces with "url".
SitePage V7PicturePage(const SampleUser& user, const SampleAlbum& album, qint64 page, qint64 pageSize);

// Page `page` (from 0) of `pageSize` pictures: "position", "largeUrl",
// "title", "photoId" in this order.
SitePage AjaxPicturePage(const SampleUser& user, const SampleAlbum& album, qint64 page, qint64 pageSize);

// Two "photoes-box" blocks, the real picture in the last one.
SitePage LargePicturePage(const SampleUser& user, const SamplePicture& picture);

// Up to ten pictures from index `first` in a "list": "position" (counting
// down to 1), "originTitle", "largeurl", "link", "xLargeUrl"; each link is
// the picture's photo page, which lists the pictures after it.
SitePage PhotoListPage(const SampleUser& user, const SampleAlbum& album, qint64 first);

}  // namespace lumvane
