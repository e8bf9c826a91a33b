#pragma once
// Every picture file of the sample site, found by its path and generated
// once, on first use, into shared immutable bytes that all requests send.

#include <QByteArray>
#include <QHash>
#include <memory>
#include <mutex>
#include <vector>

#include "samplesite/HttpResponder.h"
#include "samplesite/SampleSiteContent.h"

namespace lumvane {

class PictureStore {
 public:
  // `content` must outlive the store.
  explicit PictureStore(const SampleSiteContent& content);
  PictureStore(const PictureStore&) = delete;
  PictureStore& operator=(const PictureStore&) = delete;

  // The picture served at `path`, or null.
  const SamplePicture* Find(QByteArrayView path) const;
  // Its bytes; safe from several threads at once. A picture the store does
  // not hold is generated afresh.
  HttpBody Body(const SamplePicture& picture);
  // Generates every file now, so that no request waits for one later.
  void PrepareAll();

 private:
  struct Entry {
    const SamplePicture* picture = nullptr;
    std::once_flag made;
    HttpBody body;
  };
  std::vector<std::unique_ptr<Entry>> entries_;
  QHash<QByteArray, Entry*> byPath_;
};

}  // namespace lumvane
