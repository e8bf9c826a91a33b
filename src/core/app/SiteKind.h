#pragma once
// Site kinds: positions in the source list. Only Renren has readers.

namespace lumvane {

enum SiteKind : int {
  SITE_QQ = 0,
  SITE_BAIDU = 1,
  SITE_NETEASE = 2,
  SITE_RENREN = 3,
  SITE_SINA_WEIBO = 4,
  SITE_56 = 5,
  SITE_POCO = 6,
  SITE_YUPOO = 7,
  SITE_51 = 8,
  SITE_ZOL = 9,
  SITE_PCHOME = 10,
  SITE_TAOBAO = 11,
  SITE_MOKO = 12,
  SITE_BABYTREE = 13,
  SITE_PCONLINE = 14,
  SITE_HUPU = 15,
  SITE_JD = 16,
  SITE_INSTAGRAM = 17,
  SITE_HUABAN = 18,
  SITE_LOFTER = 19,
};

}  // namespace lumvane
