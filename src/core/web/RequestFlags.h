#pragma once
// The flags of UrlSource::Request and UrlSource::Get.

namespace lumvane {

enum RequestFlag : unsigned {
  // Responses may be stored by caches; with Get it also lets the content
  // checks look at the inflated body. There is no local cache.
  REQ_CACHE_WRITE = 1,
  // Without it the request carries "Cache-Control: no-cache" and
  // "Pragma: no-cache", so no cache on the way answers it.
  REQ_NO_RELOAD = 2,
};

// Page readers fetch fresh pages; the download engine lets caches answer.
constexpr unsigned kPageRequestFlags = 0;
constexpr unsigned kPictureRequestFlags = REQ_CACHE_WRITE | REQ_NO_RELOAD;

}  // namespace lumvane
