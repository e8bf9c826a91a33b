#pragma once
// A plain libcurl client for the sample site's tests: sends every host name
// to the site's loopback port and leaves bodies as they came.

#include <QByteArray>
#include <QList>
#include <QString>

namespace lumvane {

struct FetchResult {
  long status = 0;
  QByteArray headers;  // raw header lines
  QByteArray body;     // as sent, compressed or not

  bool Compressed() const;
  // The body inflated when it came compressed, decoded as GBK when the
  // headers say "charset=GBK", else as UTF-8: what the program reads.
  QString Text() const;
};

class SiteClient {
 public:
  explicit SiteClient(quint16 port);

  FetchResult Get(const QString& url, const QList<QByteArray>& headers = {}, bool head = false) const;
  // GET with "Accept-Encoding: gzip, deflate", as the program asks for pages.
  QString Page(const QString& url) const;

 private:
  quint16 port_;
};

QByteArray Inflate(const QByteArray& compressed);

}  // namespace lumvane
