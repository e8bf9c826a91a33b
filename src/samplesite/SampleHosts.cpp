#include "samplesite/SampleHosts.h"

namespace lumvane {

QList<QByteArray> SampleHostNames() {
  return {kMainHost, kPageHost, kPhotoHost, kZhanHost, kPictureHost, kSecondPictureHost, kConfigHost};
}

QString HostUrl(const char* host, const QString& path) { return u"http://" + QLatin1String(host) + path; }

}  // namespace lumvane
