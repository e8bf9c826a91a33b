#include "samplesite/PictureStore.h"

#include "samplesite/PictureFile.h"

namespace lumvane {

PictureStore::PictureStore(const SampleSiteContent& content) {
  const auto add = [this](const SamplePicture& picture) {
    auto entry = std::make_unique<Entry>();
    entry->picture = &picture;
    byPath_.insert(picture.Path(), entry.get());
    entries_.push_back(std::move(entry));
  };
  for (const SampleUser& user : content.users) {
    for (const SampleAlbum& album : user.albums) {
      add(album.cover);
      for (const SamplePicture& picture : album.pictures) add(picture);
    }
  }
  for (const ZhanSite& site : content.zhanSites) {
    for (const ZhanPost& post : site.posts) add(post.picture);
  }
}

const SamplePicture* PictureStore::Find(QByteArrayView path) const {
  const Entry* entry = byPath_.value(path.toByteArray());
  return entry ? entry->picture : nullptr;
}

HttpBody PictureStore::Body(const SamplePicture& picture) {
  Entry* entry = byPath_.value(picture.Path());
  if (!entry) return std::make_shared<const QByteArray>(MakePictureFile(picture));
  std::call_once(entry->made,
                 [entry] { entry->body = std::make_shared<const QByteArray>(MakePictureFile(*entry->picture)); });
  return entry->body;
}

void PictureStore::PrepareAll() {
  for (const auto& entry : entries_) Body(*entry->picture);
}

}  // namespace lumvane
