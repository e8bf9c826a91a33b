#include "web/CurlTransfer.h"

#include <curl/curl.h>

#include <QUrl>
#include <algorithm>

#include "web/RequestFlags.h"

namespace lumvane {
namespace {

constexpr char kUserAgent[] =
    "Mozilla/5.0 (Windows NT 5.1) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/38.0.2125.104 Safari/537.36";
constexpr long kMaxRedirects = 10;
constexpr long kReadPiece = 102400;
constexpr auto kLongestPoll = std::chrono::milliseconds(1000);

// The address percent-encoded for the wire, or empty when it is no http or
// https address with a host.
QByteArray EncodedHttpUrl(const QString& text) {
  const QUrl url(text, QUrl::TolerantMode);
  const QString scheme = url.scheme().toLower();
  if (!url.isValid() || url.host().isEmpty() || (scheme != u"http" && scheme != u"https")) return {};
  return url.toEncoded();
}

curl_slist* HeaderList(const QString& headers, unsigned flags) {
  curl_slist* list = nullptr;
  bool hasExpect = false;
  for (QStringView line : QStringView(headers).split(u'\n')) {
    if (line.endsWith(u'\r')) line.chop(1);
    if (line.isEmpty()) continue;
    hasExpect = hasExpect || line.startsWith(u"Expect:", Qt::CaseInsensitive);
    list = curl_slist_append(list, line.toUtf8().constData());
  }
  // The body goes out with the request, without waiting for "100 Continue".
  if (!hasExpect) list = curl_slist_append(list, "Expect:");
  if (!(flags & REQ_NO_RELOAD)) {
    list = curl_slist_append(list, "Cache-Control: no-cache");
    list = curl_slist_append(list, "Pragma: no-cache");
  }
  return list;
}

curl_slist* ConnectToList(const QStringList& mappings) {
  curl_slist* list = nullptr;
  for (const QString& mapping : mappings) list = curl_slist_append(list, mapping.toUtf8().constData());
  return list;
}

// The method and the request body. POST goes through curl's own POST so
// that a 301, 302 or 303 continues with GET, as browsers do.
void SetMethod(CURL* easy, const UrlRequest& request) {
  QByteArray verb = request.verb.toUtf8();
  if (verb.isEmpty()) verb = "GET";
  QByteArray post = request.postData;
  const qsizetype zero = post.indexOf('\0');
  if (zero >= 0) post.truncate(zero);
  if (verb == "POST" || !post.isEmpty()) {
    curl_easy_setopt(easy, CURLOPT_POST, 1L);
    curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(post.size()));
    curl_easy_setopt(easy, CURLOPT_COPYPOSTFIELDS, post.constData());
    if (verb != "POST") curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, verb.constData());
  } else if (verb == "HEAD") {
    curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
  } else {
    curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
    if (verb != "GET") curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, verb.constData());
  }
}

}  // namespace

struct CurlTransfer::Callbacks {
  static size_t Header(char* data, size_t size, size_t count, void* self) {
    auto& transfer = *static_cast<CurlTransfer*>(self);
    const size_t length = size * count;
    switch (transfer.receiver_->OnHeaderLine(QByteArrayView(data, static_cast<qsizetype>(length)))) {
      case HeaderEvent::Line:
      case HeaderEvent::InterimEnd:
        return length;
      case HeaderEvent::RedirectEnd:
      case HeaderEvent::FinalEnd:
        transfer.phase_ = Phase::Body;
        transfer.lastBodyData_ = Clock::now();
        return length;
      case HeaderEvent::Fail:
        break;
    }
    return 0;
  }

  static size_t Body(char* data, size_t size, size_t count, void* self) {
    auto& transfer = *static_cast<CurlTransfer*>(self);
    const size_t length = size * count;
    transfer.lastBodyData_ = Clock::now();
    switch (transfer.receiver_->OnBodyData(QByteArrayView(data, static_cast<qsizetype>(length)))) {
      case BodyEvent::More:
        return length;
      case BodyEvent::Done:
        transfer.endMarkerSeen_ = true;
        break;
      case BodyEvent::Fail:
        break;
    }
    return 0;  // ends the transfer; the connection is closed, not kept
  }

  static int Progress(void* self, curl_off_t, curl_off_t downNow, curl_off_t, curl_off_t upNow) {
    auto& transfer = *static_cast<CurlTransfer*>(self);
    if (upNow > transfer.uploaded_) {
      transfer.uploaded_ = upNow;
      // Each wait while sending is bounded on its own; the wait for the
      // answer starts after the last byte went out.
      if (transfer.phase_ == Phase::AwaitingHeaders) transfer.headerDeadline_ = Clock::now() + transfer.connectTimeout_;
    }
    if (downNow > transfer.downloaded_) {
      transfer.downloaded_ = downNow;
      transfer.lastBodyData_ = Clock::now();
    }
    return 0;
  }

  // Called once the connection is up (or reused), before each request of
  // the transfer, redirects included.
  static int Prerequest(void* self, char*, char*, int, int) {
    auto& transfer = *static_cast<CurlTransfer*>(self);
    transfer.phase_ = Phase::AwaitingHeaders;
    transfer.headerDeadline_ = Clock::now() + transfer.connectTimeout_;
    transfer.uploaded_ = 0;
    transfer.downloaded_ = 0;
    return CURL_PREREQFUNC_OK;
  }
};

CurlTransfer::CurlTransfer(HttpSession& session)
    : session_(session), multi_(curl_multi_init()), easy_(curl_easy_init()) {
  session_.Attach(multi_);
}

CurlTransfer::~CurlTransfer() {
  session_.Detach(multi_);
  curl_easy_cleanup(easy_);
  curl_multi_cleanup(multi_);
  FreeLists();
}

void CurlTransfer::FreeLists() {
  curl_slist_free_all(static_cast<curl_slist*>(headerList_));
  curl_slist_free_all(static_cast<curl_slist*>(connectToList_));
  headerList_ = nullptr;
  connectToList_ = nullptr;
}

bool CurlTransfer::Run(const UrlRequest& request, unsigned flags, ResponseReceiver& receiver) {
  if (multi_ == nullptr || easy_ == nullptr || session_.Aborted() || !Configure(request, flags)) return false;
  receiver_ = &receiver;
  phase_ = Phase::Connecting;
  connectTimeout_ = std::chrono::milliseconds(request.connectTimeoutMs);
  readTimeout_ = std::chrono::milliseconds(request.readTimeoutMs);
  uploaded_ = 0;
  downloaded_ = 0;
  endMarkerSeen_ = false;
  const bool completed = curl_multi_add_handle(multi_, easy_) == CURLM_OK && Drive();
  curl_multi_remove_handle(multi_, easy_);  // a transfer still running ends here
  receiver_ = nullptr;
  FreeLists();
  return completed;
}

bool CurlTransfer::Configure(const UrlRequest& request, unsigned flags) {
  const QByteArray url = EncodedHttpUrl(request.url);
  if (url.isEmpty()) return false;
  CURL* easy = easy_;
  curl_easy_reset(easy);
  FreeLists();
  headerList_ = HeaderList(request.headers, flags);
  connectToList_ = ConnectToList(session_.ConnectTo());

  curl_easy_setopt(easy, CURLOPT_URL, url.constData());
  curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(easy, CURLOPT_SHARE, session_.ShareHandle());
  curl_easy_setopt(easy, CURLOPT_COOKIEFILE, "");  // the cookie engine on, reading no file
  curl_easy_setopt(easy, CURLOPT_USERAGENT, kUserAgent);
  curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headerList_);
  curl_easy_setopt(easy, CURLOPT_CONNECT_TO, connectToList_);
  curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(easy, CURLOPT_MAXREDIRS, kMaxRedirects);
  curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  // Header text and Content-Length as HTTP/1.1 servers write them.
  curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
  curl_easy_setopt(easy, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
  // Bodies arrive as the server sent them; callers inflate.
  curl_easy_setopt(easy, CURLOPT_HTTP_CONTENT_DECODING, 0L);
  curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(std::max<quint32>(request.connectTimeoutMs, 1)));
  curl_easy_setopt(easy, CURLOPT_BUFFERSIZE, kReadPiece);
  SetMethod(easy, request);

  curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &Callbacks::Header);
  curl_easy_setopt(easy, CURLOPT_HEADERDATA, this);
  curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Callbacks::Body);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
  curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &Callbacks::Progress);
  curl_easy_setopt(easy, CURLOPT_XFERINFODATA, this);
  curl_easy_setopt(easy, CURLOPT_PREREQFUNCTION, &Callbacks::Prerequest);
  curl_easy_setopt(easy, CURLOPT_PREREQDATA, this);
  return true;
}

bool CurlTransfer::Drive() {
  for (;;) {
    if (session_.Aborted()) return false;
    int running = 0;
    if (curl_multi_perform(multi_, &running) != CURLM_OK) return false;
    if (running == 0) {
      int left = 0;
      while (CURLMsg* message = curl_multi_info_read(multi_, &left)) {
        if (message->msg != CURLMSG_DONE) continue;
        const CURLcode result = message->data.result;
        return result == CURLE_OK || (result == CURLE_WRITE_ERROR && endMarkerSeen_);
      }
      return false;
    }
    const Clock::duration left = TimeLeft(Clock::now());
    if (left <= Clock::duration::zero()) return false;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(std::min<Clock::duration>(left, kLongestPoll));
    if (curl_multi_poll(multi_, nullptr, 0, static_cast<int>(wait.count()), nullptr) != CURLM_OK) return false;
  }
}

CurlTransfer::Clock::duration CurlTransfer::TimeLeft(Clock::time_point now) const {
  switch (phase_) {
    case Phase::Connecting:
      return kLongestPoll;  // curl bounds the connection itself
    case Phase::AwaitingHeaders:
      return headerDeadline_ - now;
    case Phase::Body:
      return lastBodyData_ + readTimeout_ - now;
  }
  return Clock::duration::zero();
}

}  // namespace lumvane
