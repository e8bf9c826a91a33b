#include "samplesite/SampleSite.h"

#include "samplesite/PageEncoding.h"
#include "samplesite/PageRouter.h"
#include "samplesite/RequestTarget.h"
#include "samplesite/SampleHosts.h"

namespace lumvane {
namespace {

// The Host header without its port, in lower case.
QByteArray HostName(const QByteArray& host) {
  QByteArray name = host;
  const qsizetype colon = name.lastIndexOf(':');
  if (colon >= 0 && !name.contains(']')) name.truncate(colon);
  return name.toLower();
}

bool IsLoopbackName(QByteArrayView host) { return host == "127.0.0.1" || host == "localhost"; }

bool IsPictureHost(QByteArrayView host) { return host == kPictureHost || host == kSecondPictureHost; }

QByteArrayView PictureMimeType(QByteArrayView extension) {
  if (extension == ".png") return "image/png";
  if (extension == ".gif") return "image/gif";
  return "image/jpeg";
}

void SendNotFound(HttpResponder& responder) {
  static const HttpBody kBody =
      std::make_shared<const QByteArray>("<html><body><h1>404 Not Found</h1></body></html>\n");
  responder.Send(404, {{"Content-Type", "text/html; charset=utf-8"}}, kBody);
}

}  // namespace

SampleSite::SampleSite(SampleSiteContent content)
    : content_(std::move(content)),
      pictures_(content_),
      server_([this](const HttpRequest& request, HttpResponder& responder) { Handle(request, responder); }) {}

bool SampleSite::Start(quint16 port) { return server_.Start(port); }

QList<QByteArray> SampleSite::HostNames() { return SampleHostNames(); }

QString SampleSite::ConnectToMapping(const QByteArray& host, quint16 port) {
  return QString::fromLatin1(host) + u":80:127.0.0.1:" + QString::number(port);
}

QStringList SampleSite::OwnerAddresses() const {
  QStringList addresses;
  for (const SampleUser& user : content_.users) {
    addresses.append(u"http://www.renren.com/" + QString::number(user.id) + u"/profile");
  }
  for (const ZhanSite& zhan : content_.zhanSites)
    addresses.append(u"http://zhan.renren.com/" + QString::fromUtf8(zhan.path));
  return addresses;
}

QStringList SampleSite::ConnectToMappings() const {
  QStringList mappings;
  for (const QByteArray& host : HostNames()) mappings.append(ConnectToMapping(host, Port()));
  return mappings;
}

QString SampleSite::DirectUrl(const SamplePicture& picture) const {
  return u"http://127.0.0.1:" + QString::number(Port()) + QString::fromLatin1(picture.Path());
}

void SampleSite::Handle(const HttpRequest& request, HttpResponder& responder) {
  const QByteArray host = HostName(request.host);
  if (IsPictureHost(host) || IsLoopbackName(host)) {
    SendPicture(host, request, responder);
    return;
  }
  const std::optional<SitePage> page = RoutePage(content_, host, RequestTarget(request.target));
  if (!page) {
    SendNotFound(responder);
    return;
  }
  HttpHeaders headers;
  const HttpBody body = EncodePage(*page, AcceptsGzip(request.Header("Accept-Encoding")), headers);
  responder.Send(200, headers, body);
}

void SampleSite::SendPicture(QByteArrayView host, const HttpRequest& request, HttpResponder& responder) {
  const SamplePicture* picture = pictures_.Find(RequestTarget(request.target).Path());
  if (!picture || (!IsLoopbackName(host) && picture->host != host)) {
    SendNotFound(responder);
    return;
  }
  // Served by the address's extension, as the site's own servers did: a
  // PNG at a ".jpg" address goes out as image/jpeg.
  responder.Send(200, {{"Content-Type", PictureMimeType(picture->extension).toByteArray()}}, pictures_.Body(*picture));
}

}  // namespace lumvane
