#pragma once
// The bundled sample site: Renren- and Zhan-shaped pages and generated
// pictures served on a loopback port. It answers for several host names
// (HostNames()); a client maps each of them to 127.0.0.1:Port() and the
// Host header picks the pages. Pictures are also served to requests for
// 127.0.0.1 itself, so that other download tools can fetch them directly.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "samplesite/HttpServer.h"
#include "samplesite/PictureStore.h"
#include "samplesite/SampleSiteContent.h"

namespace lumvane {

class SampleSite {
 public:
  explicit SampleSite(SampleSiteContent content);
  SampleSite(const SampleSite&) = delete;
  SampleSite& operator=(const SampleSite&) = delete;

  // Listens on 127.0.0.1:port (0 takes any free port).
  bool Start(quint16 port = 0);
  quint16 Port() const { return server_.Port(); }
  void Stop() { server_.Stop(); }

  static QList<QByteArray> HostNames();
  // The connect-to mapping (HOST:PORT:ADDR:PORT) that sends `host` to port
  // `port` on 127.0.0.1.
  static QString ConnectToMapping(const QByteArray& host, quint16 port);
  // The mappings that send every host name of the site to it.
  QStringList ConnectToMappings() const;
  // A profile address for each user and the address of each Zhan site: what
  // the demo lists and downloads.
  QStringList OwnerAddresses() const;
  const SampleSiteContent& Content() const { return content_; }

  // The bytes served for `picture`.
  HttpBody PictureBody(const SamplePicture& picture) { return pictures_.Body(picture); }
  // Generates every picture file now instead of on first request.
  void PreparePictures() { pictures_.PrepareAll(); }
  // "http://127.0.0.1:<port>/…" for `picture`: works without host mapping.
  QString DirectUrl(const SamplePicture& picture) const;

 private:
  void Handle(const HttpRequest& request, HttpResponder& responder);
  void SendPicture(QByteArrayView host, const HttpRequest& request, HttpResponder& responder);

  const SampleSiteContent content_;
  PictureStore pictures_;
  // Last, so that it stops and joins its threads before the rest goes.
  HttpServer server_;
};

}  // namespace lumvane
