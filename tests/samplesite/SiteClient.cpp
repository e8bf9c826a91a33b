#include "SiteClient.h"

#include <curl/curl.h>
#include <zlib.h>

#include <QStringDecoder>

#include "samplesite/SampleSite.h"

namespace lumvane {
namespace {

size_t Append(char* data, size_t size, size_t count, void* target) {
  static_cast<QByteArray*>(target)->append(data, static_cast<qsizetype>(size * count));
  return size * count;
}

}  // namespace

bool FetchResult::Compressed() const { return headers.toLower().contains("content-encoding: gzip"); }

QString FetchResult::Text() const {
  const QByteArray bytes = Compressed() ? Inflate(body) : body;
  if (headers.contains("charset=GBK")) {
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
  }
  return QString::fromUtf8(bytes);
}

SiteClient::SiteClient(quint16 port) : port_(port) {}

FetchResult SiteClient::Get(const QString& url, const QList<QByteArray>& headers, bool head) const {
  FetchResult result;
  CURL* curl = curl_easy_init();
  curl_slist* connectTo = nullptr;
  for (const QByteArray& host : SampleSite::HostNames()) {
    const QByteArray mapping = host + ":80:127.0.0.1:" + QByteArray::number(port_);
    connectTo = curl_slist_append(connectTo, mapping.constData());
  }
  // Any other name goes to the site too: no test reaches past the machine.
  const QByteArray anyHost = "::127.0.0.1:" + QByteArray::number(port_);
  connectTo = curl_slist_append(connectTo, anyHost.constData());
  curl_slist* requestHeaders = nullptr;
  for (const QByteArray& header : headers) requestHeaders = curl_slist_append(requestHeaders, header.constData());
  const QByteArray address = url.toUtf8();
  curl_easy_setopt(curl, CURLOPT_URL, address.constData());
  curl_easy_setopt(curl, CURLOPT_CONNECT_TO, connectTo);
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, requestHeaders);
  curl_easy_setopt(curl, CURLOPT_NOBODY, head ? 1L : 0L);
  curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, 30L);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Append);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &result.body);
  curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, Append);
  curl_easy_setopt(curl, CURLOPT_HEADERDATA, &result.headers);
  if (curl_easy_perform(curl) == CURLE_OK) curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &result.status);
  curl_easy_cleanup(curl);
  curl_slist_free_all(requestHeaders);
  curl_slist_free_all(connectTo);
  return result;
}

QString SiteClient::Page(const QString& url) const { return Get(url, {"Accept-Encoding: gzip, deflate"}).Text(); }

QByteArray Inflate(const QByteArray& compressed) {
  z_stream stream{};
  if (inflateInit2(&stream, 47) != Z_OK) return QByteArray();
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.constData()));
  stream.avail_in = static_cast<uInt>(compressed.size());
  QByteArray out;
  char buffer[8192];
  int result = Z_OK;
  while (result == Z_OK) {
    stream.next_out = reinterpret_cast<Bytef*>(buffer);
    stream.avail_out = sizeof buffer;
    result = inflate(&stream, Z_NO_FLUSH);
    out.append(buffer, static_cast<qsizetype>(sizeof buffer - stream.avail_out));
  }
  inflateEnd(&stream);
  return result == Z_STREAM_END ? out : QByteArray();
}

}  // namespace lumvane
