#include "samplesite/PictureStore.h"

#include <algorithm>
#include <atomic>
#include <thread>

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
  // Big synthetic albums take a while to generate: use every core.
  const size_t workers = std::max(1u, std::thread::hardware_concurrency());
  std::atomic<size_t> next{0};
  std::vector<std::thread> threads;
  for (size_t i = 0; i < workers; ++i) {
    threads.emplace_back([this, &next] {
      for (size_t k = next++; k < entries_.size(); k = next++) Body(*entries_[k]->picture);
    });
  }
  for (std::thread& thread : threads) thread.join();
}

}  // namespace lumvane
