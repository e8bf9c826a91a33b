#pragma once
// An album's own pages: the classic page, the v7 page and the password form.

#include "samplesite/SampleSiteContent.h"
#include "samplesite/SitePage.h"

namespace lumvane {

// Owner tabs, "class=\"ablum-infor\"><h1>NAME<span …>(N张)", and, unless no
// reader finds the album's pictures, the link to its first photo-list page.
SitePage ClassicAlbumPage(const SampleUser& user, const SampleAlbum& album, const QString& visitorName);

// The visitor's name, 'albumName', 'photoCount' and the owner in the
// navigation ("我的主页" on the visitor's own albums).
SitePage V7AlbumPage(const SampleUser& user, const SampleAlbum& album, const QString& visitorName);

SitePage AlbumPasswordPage(const SampleUser& user, const SampleAlbum& album);

}  // namespace lumvane
