#pragma once
// The Zhan site of the demo content: three months of posts over several
// pages each, three tags, one post whose picture is not in a photo block.

#include "samplesite/PictureMint.h"
#include "samplesite/SampleSiteContent.h"

namespace lumvane {

inline constexpr quint64 kZhanSiteId = 7100000001;

ZhanSite MakeDemoZhanSite(PictureMint& mint);

}  // namespace lumvane
