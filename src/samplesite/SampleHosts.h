#pragma once
// The host names the sample site answers for. A client maps each of them to
// the site's loopback port; the Host header picks the pages.

#include <QByteArray>
#include <QList>
#include <QString>

namespace lumvane {

inline constexpr char kMainHost[] = "www.renren.com";
inline constexpr char kPageHost[] = "page.renren.com";
inline constexpr char kPhotoHost[] = "photo.renren.com";
inline constexpr char kZhanHost[] = "zhan.renren.com";
inline constexpr char kPictureHost[] = "fmn.rrimg.com";
inline constexpr char kSecondPictureHost[] = "hdn.xnimg.cn";
inline constexpr char kConfigHost[] = "soft.lumvane.net";

QList<QByteArray> SampleHostNames();

// "http://" + host + path.
QString HostUrl(const char* host, const QString& path);

}  // namespace lumvane
