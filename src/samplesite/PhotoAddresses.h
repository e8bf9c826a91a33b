#pragma once
// Addresses on the photo host that the sample pages link to.

#include <QString>

#include "samplesite/SampleSiteContent.h"

namespace lumvane {

// "http://photo.renren.com/photo/<uid>" + rest.
QString PhotoUrl(const SampleUser& user, const QString& rest = QString());
// The album's own page as the album lists link to it; the v7 list and the
// classic list write it differently.
QString V7ListedAlbumUrl(const SampleUser& user, const SampleAlbum& album);
QString ClassicListedAlbumUrl(const SampleUser& user, const SampleAlbum& album);
// The photo page of a picture: it lists the pictures that follow it.
QString PhotoPageUrl(const SampleUser& user, const SamplePicture& picture);
// The album's first photo-list page.
QString FirstPhotoListUrl(const SampleUser& user, const SampleAlbum& album);
QString ProfileUrl(const SampleUser& user);

}  // namespace lumvane
