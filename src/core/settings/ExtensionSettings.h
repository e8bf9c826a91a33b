#pragma once
// Values of "下载器扩展设置.ini", re-read at the start of every job. They serve
// readers of other sites; none of this program's readers uses them.

#include <QtGlobal>

namespace lumvane {

struct ExtensionSettings {
  quint8 qqV2Coding = 0;          // "QQ空间"/"V2编码": text mode 0, 2, 8 or 16
  quint8 qqV3Coding = 0;          // "QQ空间"/"V3编码"
  quint8 qqOriginalNameMode = 1;  // "QQ空间"/"取原始名方式"
  quint8 taobaoHasPrice = 0;      // "淘宝"/"图片名中是否有价格": 1 when "有"
  qint32 taobaoPriceDelta = 0;    // "淘宝"/"价格增减"
  quint8 instagramFetchMode = 1;  // "Instagram"/"图片获取方式"
};

}  // namespace lumvane
