#include "samplesite/PhotoAddresses.h"

#include "samplesite/SampleHosts.h"

namespace lumvane {
namespace {

QString AlbumPath(const SampleAlbum& album) { return u"/album-" + QString::number(album.id); }

}  // namespace

QString PhotoUrl(const SampleUser& user, const QString& rest) {
  return HostUrl(kPhotoHost, u"/photo/" + QString::number(user.id) + rest);
}

QString V7ListedAlbumUrl(const SampleUser& user, const SampleAlbum& album) {
  return PhotoUrl(user, AlbumPath(album) + u'/');
}

QString ClassicListedAlbumUrl(const SampleUser& user, const SampleAlbum& album) {
  return PhotoUrl(user, AlbumPath(album) + (user.albumLinksWithQuery ? QStringLiteral("?frommyphoto") : QString()));
}

QString PhotoPageUrl(const SampleUser& user, const SamplePicture& picture) {
  return PhotoUrl(user, u"/photo-" + QString::number(picture.id));
}

QString FirstPhotoListUrl(const SampleUser& user, const SampleAlbum& album) {
  return PhotoUrl(user, AlbumPath(album) + u"/photos");
}

QString ProfileUrl(const SampleUser& user) { return HostUrl(kMainHost, u'/' + QString::number(user.id) + u"/profile"); }

}  // namespace lumvane
