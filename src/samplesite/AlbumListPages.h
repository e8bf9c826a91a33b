#pragma once
// The pages that list a user's albums: the v7 list with its script data and
// the classic list with its paging.

#include "samplesite/SampleSiteContent.h"
#include "samplesite/SitePage.h"

namespace lumvane {

inline constexpr int kClassicListPageSize = 40;

// "<title>人人网 - NAME的相册</title>" and the 'albumList' script data; empty
// data unless the user's albums are listed the v7 way.
SitePage V7AlbumListPage(const SampleUser& user);

// A whole classic list page with albums [first, first + count); the paging
// marker follows the list when `pagingMarker`.
SitePage ClassicAlbumListPage(const SampleUser& user, qint64 first, qint64 count, bool pagingMarker);

// A classic list fragment as the ajax requests get it.
SitePage ClassicAlbumListFragment(const SampleUser& user, qint64 first, qint64 count, bool pagingMarker);

}  // namespace lumvane
