#pragma once
// The Renren users of the demo content, each shaped to exercise some of the
// program's readers (docs/sample-site.md tells which).

#include <vector>

#include "samplesite/PictureMint.h"
#include "samplesite/SampleSiteContent.h"

namespace lumvane {

inline constexpr quint64 kV7UserId = 240000001;
inline constexpr quint64 kClassicUserId = 240000002;
inline constexpr quint64 kSingleRequestUserId = 240000003;
inline constexpr quint64 kIgnoresOffsetUserId = 240000004;
inline constexpr quint64 kPublicPageUserId = 600000001;

std::vector<SampleUser> MakeDemoRenrenUsers(PictureMint& mint);

}  // namespace lumvane
