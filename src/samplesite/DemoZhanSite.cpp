#include "samplesite/DemoZhanSite.h"

namespace lumvane {

ZhanSite MakeDemoZhanSite(PictureMint& mint) {
  ZhanSite site;
  site.id = kZhanSiteId;
  site.path = "guangying";
  site.name = QStringLiteral("光影札记");
  site.style = {PageCharset::Utf8, true};
  site.postsPerPage = 4;
  site.months = {QStringLiteral("201412"), QStringLiteral("201411"), QStringLiteral("201410")};
  site.tags = {{31, QStringLiteral("风景")}, {32, QStringLiteral("人像")}, {33, QStringLiteral("街拍")}};
  static const QString kSubjects[] = {QStringLiteral("初雪"), QStringLiteral("湖畔"), QStringLiteral("老街"),
                                      QStringLiteral("晨光"), QStringLiteral("归途"), QStringLiteral("窗前")};
  const int postsPerMonth[] = {9, 5, 3};
  quint64 postId = 7200000000;
  int n = 0;
  for (int m = 0; m < 3; ++m) {
    for (int i = 0; i < postsPerMonth[m]; ++i, ++n) {
      ZhanPost post;
      post.id = ++postId;
      post.title = kSubjects[n % 6] + u" 之" + QString::number(n + 1);
      post.month = site.months[m];
      post.tagId = site.tags[static_cast<size_t>(n % 3)].id;
      post.photoBlock = n != 4;
      const PictureFormat format = n == 6 ? PictureFormat::Png : PictureFormat::Jpeg;
      post.picture =
          mint.Make({.format = format, .size = mint.SizeBetween(50 * 1024, 200 * 1024), .title = post.title});
      site.posts.push_back(std::move(post));
    }
  }
  return site;
}

}  // namespace lumvane
