#pragma once
// Builds the site's content: the demo's users and Zhan site, and synthetic
// albums for tests and benchmarks. The same options always give the same
// content, down to every picture's bytes.

#include <QString>
#include <vector>

#include "samplesite/SampleSiteContent.h"

namespace lumvane {

// An album of `pictureCount` pictures of exactly `pictureSize` bytes each,
// owned by the synthetic user and listed through the v7 list.
struct SyntheticAlbum {
  QString name;
  int pictureCount = 0;
  qint64 pictureSize = 0;
  PictureFormat format = PictureFormat::Jpeg;
};

enum class PageCompression {
  AsContent,  // each user's and site's own choice
  None,       // every page plain
  All,        // every page gzip when the request accepts it
};

struct SampleSiteOptions {
  bool demoContent = true;
  std::vector<SyntheticAlbum> syntheticAlbums;
  PageCompression compression = PageCompression::AsContent;
};

inline constexpr quint64 kSyntheticUserId = 299000001;
inline constexpr quint64 kFirstSyntheticAlbumId = 2990000001;

SampleSiteContent BuildSampleSiteContent(const SampleSiteOptions& options = {});

}  // namespace lumvane
