#include "samplesite/PageRouter.h"

#include "samplesite/PhotoHostRoutes.h"
#include "samplesite/ProfilePages.h"
#include "samplesite/SampleHosts.h"
#include "samplesite/StartupConfigPage.h"
#include "samplesite/ZhanHostRoutes.h"

namespace lumvane {
namespace {

// "/<name>", "/<uid>" or "/<uid>/profile" on the main host; "/<name>" or
// "/<uid>" on the page host.
std::optional<SitePage> RouteProfile(const SampleSiteContent& content, const RequestTarget& target, bool pageHost) {
  QByteArrayView name = target.Path();
  if (!name.startsWith('/')) return std::nullopt;
  name = name.sliced(1);
  if (!pageHost && name.endsWith("/profile")) name.chop(8);
  const std::optional<quint64> id = ParseId(name);
  const SampleUser* user = id ? content.FindUser(*id) : content.FindProfile(name, pageHost);
  if (user && user->publicPage == pageHost) return pageHost ? PublicPage(*user) : ProfilePage(*user);
  if (!pageHost && !id && content.anonymousProfileNames.contains(name)) {
    return AnonymousProfilePage(name.toByteArray());
  }
  return std::nullopt;
}

std::optional<SitePage> RouteConfigHost(const SampleSiteContent& content, const RequestTarget& target) {
  if (target.Path() == "/config") return StartupConfigPage(content.startup);
  if (target.Path() == "/update.html") return UpdatePage(content.startup);
  return std::nullopt;
}

}  // namespace

std::optional<SitePage> RoutePage(const SampleSiteContent& content, QByteArrayView host, const RequestTarget& target) {
  if (host == kPhotoHost) return RoutePhotoHost(content, target);
  if (host == kZhanHost) return RouteZhanHost(content, target);
  if (host == kMainHost) return RouteProfile(content, target, false);
  if (host == kPageHost) return RouteProfile(content, target, true);
  if (host == kConfigHost) return RouteConfigHost(content, target);
  return std::nullopt;
}

}  // namespace lumvane
