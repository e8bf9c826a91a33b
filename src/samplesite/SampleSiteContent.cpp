#include "samplesite/SampleSiteContent.h"

namespace lumvane {
namespace {

template <typename List, typename Test>
auto FindIn(const List& list, Test test) -> decltype(&list.front()) {
  for (const auto& item : list) {
    if (test(item)) return &item;
  }
  return nullptr;
}

}  // namespace

QByteArray SamplePicture::PathAs(QByteArrayView otherSizeName) const {
  return directory + '/' + otherSizeName + QByteArray::number(id, 16) + extension;
}

QString SamplePicture::Url() const { return UrlAs(sizeName); }

QString SamplePicture::UrlAs(QByteArrayView otherSizeName) const {
  return QString::fromLatin1("http://" + host + PathAs(otherSizeName));
}

const SampleUser* SampleSiteContent::FindUser(quint64 id) const {
  return FindIn(users, [id](const SampleUser& user) { return user.id == id; });
}

const SampleUser* SampleSiteContent::FindProfile(QByteArrayView profileName, bool publicPage) const {
  if (profileName.isEmpty()) return nullptr;
  return FindIn(
      users, [&](const SampleUser& user) { return user.publicPage == publicPage && user.profileName == profileName; });
}

const ZhanSite* SampleSiteContent::FindZhanSite(QByteArrayView path) const {
  return FindIn(zhanSites, [path](const ZhanSite& site) { return site.path == path; });
}

const ZhanSite* SampleSiteContent::FindZhanSite(quint64 id) const {
  return FindIn(zhanSites, [id](const ZhanSite& site) { return site.id == id; });
}

const SampleAlbum* FindAlbum(const SampleUser& user, quint64 albumId) {
  return FindIn(user.albums, [albumId](const SampleAlbum& album) { return album.id == albumId; });
}

qsizetype FindPicture(const SampleAlbum& album, quint64 pictureId) {
  for (size_t i = 0; i < album.pictures.size(); ++i) {
    if (album.pictures[i].id == pictureId) return static_cast<qsizetype>(i);
  }
  return -1;
}

}  // namespace lumvane
