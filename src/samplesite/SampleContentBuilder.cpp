#include "samplesite/SampleContentBuilder.h"

#include "samplesite/DemoRenrenUsers.h"
#include "samplesite/DemoZhanSite.h"
#include "samplesite/PictureMint.h"
#include "samplesite/SampleHosts.h"

namespace lumvane {
namespace {

SampleUser SyntheticUser(PictureMint& mint, const std::vector<SyntheticAlbum>& albums) {
  SampleUser user;
  user.id = kSyntheticUserId;
  user.name = QStringLiteral("基准用户");
  user.profileName = "jizhun";
  quint64 albumId = kFirstSyntheticAlbumId;
  for (const SyntheticAlbum& spec : albums) {
    SampleAlbum album;
    album.id = albumId++;
    album.name = spec.name;
    album.cover = mint.MakeCover();
    for (int i = 1; i <= spec.pictureCount; ++i) {
      album.pictures.push_back(
          mint.Make({.format = spec.format, .size = spec.pictureSize, .title = spec.name + u' ' + QString::number(i)}));
    }
    album.reportedCount = spec.pictureCount;
    user.albums.push_back(std::move(album));
  }
  return user;
}

StartupConfig DemoStartupConfig() {
  StartupConfig config;
  config.version = QStringLiteral("14.12.29.01");
  config.updateUrl = HostUrl(kConfigHost, QStringLiteral("/update.html"));
  config.sourceNames = {
      QStringLiteral("腾讯QQ"),   QStringLiteral("百度相册"),  QStringLiteral("网易相册"), QStringLiteral("人人网"),
      QStringLiteral("新浪微博"), QStringLiteral("56相册"),    QStringLiteral("POCO"),     QStringLiteral("又拍网"),
      QStringLiteral("51相册"),   QStringLiteral("ZOL"),       QStringLiteral("PChome"),   QStringLiteral("淘宝"),
      QStringLiteral("美空"),     QStringLiteral("宝宝树"),    QStringLiteral("太平洋"),   QStringLiteral("虎扑"),
      QStringLiteral("京东"),     QStringLiteral("Instagram"), QStringLiteral("花瓣"),     QStringLiteral("LOFTER")};
  return config;
}

// The pages greet the owner of the albums shown as the visitor's own.
QString VisitorName(const SampleSiteContent& content) {
  for (const SampleUser& user : content.users) {
    if (user.visitorsOwn) return user.name;
  }
  return QStringLiteral("访客");
}

void ApplyCompression(SampleSiteContent& content, PageCompression compression) {
  if (compression == PageCompression::AsContent) return;
  const bool gzip = compression == PageCompression::All;
  for (SampleUser& user : content.users) user.style.gzip = gzip;
  for (ZhanSite& site : content.zhanSites) site.style.gzip = gzip;
}

}  // namespace

SampleSiteContent BuildSampleSiteContent(const SampleSiteOptions& options) {
  SampleSiteContent content;
  content.startup = DemoStartupConfig();
  PictureMint mint;
  if (options.demoContent) {
    content.users = MakeDemoRenrenUsers(mint);
    content.zhanSites.push_back(MakeDemoZhanSite(mint));
    content.anonymousProfileNames = {"wuming"};
  }
  if (!options.syntheticAlbums.empty()) content.users.push_back(SyntheticUser(mint, options.syntheticAlbums));
  content.visitorName = VisitorName(content);
  ApplyCompression(content, options.compression);
  return content;
}

}  // namespace lumvane
