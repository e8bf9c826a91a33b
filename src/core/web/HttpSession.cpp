#include "web/HttpSession.h"

#include <curl/curl.h>

#include <array>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>

#include "platform/Clock.h"
#include "web/CookieFile.h"

namespace lumvane {
namespace {

// curl's global state lives as long as some session does.
std::mutex gGlobalMutex;
int gGlobalUsers = 0;

void AcquireCurlGlobal() {
  std::lock_guard lock(gGlobalMutex);
  if (gGlobalUsers++ == 0) curl_global_init(CURL_GLOBAL_DEFAULT);
}

void ReleaseCurlGlobal() {
  std::lock_guard lock(gGlobalMutex);
  if (--gGlobalUsers == 0) curl_global_cleanup();
}

}  // namespace

struct HttpSession::Impl {
  explicit Impl(QString file) : cookieFile(std::move(file)) {
    AcquireCurlGlobal();
    share = curl_share_init();
    curl_share_setopt(share, CURLSHOPT_LOCKFUNC, &Impl::Lock);
    curl_share_setopt(share, CURLSHOPT_UNLOCKFUNC, &Impl::Unlock);
    curl_share_setopt(share, CURLSHOPT_USERDATA, this);
    curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
    curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS);
    curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_SSL_SESSION);
    jar = curl_easy_init();
    curl_easy_setopt(jar, CURLOPT_SHARE, share);
    curl_easy_setopt(jar, CURLOPT_COOKIEFILE, "");
  }
  ~Impl() {
    curl_easy_cleanup(jar);
    curl_share_cleanup(share);
    ReleaseCurlGlobal();
  }

  static void Lock(CURL*, curl_lock_data data, curl_lock_access, void* self) {
    static_cast<Impl*>(self)->locks[data].lock();
  }
  static void Unlock(CURL*, curl_lock_data data, void* self) { static_cast<Impl*>(self)->locks[data].unlock(); }

  // Under jarMutex.
  bool AddCookieLine(const QByteArray& line) {
    return IsCookieLine(line) && curl_easy_setopt(jar, CURLOPT_COOKIELIST, line.constData()) == CURLE_OK;
  }
  QList<QByteArray> CookieLines() const {
    curl_slist* list = nullptr;
    QList<QByteArray> lines;
    if (curl_easy_getinfo(jar, CURLINFO_COOKIELIST, &list) != CURLE_OK) return lines;
    const qint64 now = NowUtcSeconds();
    for (const curl_slist* item = list; item != nullptr; item = item->next) {
      const QByteArray line(item->data);
      if (IsCookieLine(line) && !IsExpiredCookieLine(line, now)) lines.append(line);
    }
    curl_slist_free_all(list);
    return lines;
  }

  const QString cookieFile;
  CURLSH* share = nullptr;
  std::array<std::mutex, CURL_LOCK_DATA_LAST> locks;

  mutable std::mutex jarMutex;  // the jar handle is one easy handle
  CURL* jar = nullptr;
  QList<QByteArray> savedLines;  // what the file holds, under jarMutex

  mutable std::mutex stateMutex;
  mutable std::condition_variable abortSignal;
  bool aborted = false;
  std::set<void*> multis;
  QStringList connectTo;
};

HttpSession::HttpSession(QString cookieFile) : d_(std::make_unique<Impl>(std::move(cookieFile))) {
  std::lock_guard lock(d_->jarMutex);
  for (const QByteArray& line : ReadCookieFile(d_->cookieFile)) d_->AddCookieLine(line);
  d_->savedLines = d_->CookieLines();
}

HttpSession::~HttpSession() { SaveCookies(); }

QString HttpSession::DefaultCookieFile(const QString& programFolder) {
  return programFolder + QStringLiteral("cookies.txt");
}

const QString& HttpSession::CookieFile() const { return d_->cookieFile; }

bool HttpSession::SaveCookies() {
  std::lock_guard lock(d_->jarMutex);
  const QList<QByteArray> lines = d_->CookieLines();
  if (lines == d_->savedLines) return true;
  if (d_->cookieFile.isEmpty() || !WriteCookieFile(d_->cookieFile, lines)) return false;
  d_->savedLines = lines;
  return true;
}

QList<QByteArray> HttpSession::ExportCookies() const {
  std::lock_guard lock(d_->jarMutex);
  return d_->CookieLines();
}

int HttpSession::ImportCookies(const QList<QByteArray>& lines) {
  std::lock_guard lock(d_->jarMutex);
  int taken = 0;
  for (const QByteArray& line : lines) taken += d_->AddCookieLine(line) ? 1 : 0;
  return taken;
}

void HttpSession::SetConnectTo(QStringList mappings) {
  std::lock_guard lock(d_->stateMutex);
  d_->connectTo = std::move(mappings);
}

QStringList HttpSession::ConnectTo() const {
  std::lock_guard lock(d_->stateMutex);
  return d_->connectTo;
}

void HttpSession::Abort() {
  {
    std::lock_guard lock(d_->stateMutex);
    d_->aborted = true;
    for (void* multi : d_->multis) curl_multi_wakeup(multi);
  }
  d_->abortSignal.notify_all();
}

bool HttpSession::Aborted() const {
  std::lock_guard lock(d_->stateMutex);
  return d_->aborted;
}

bool HttpSession::Pause(quint32 ms) const {
  std::unique_lock lock(d_->stateMutex);
  return !d_->abortSignal.wait_for(lock, std::chrono::milliseconds(ms), [this] { return d_->aborted; });
}

void* HttpSession::ShareHandle() const { return d_->share; }

void HttpSession::Attach(void* multiHandle) {
  std::lock_guard lock(d_->stateMutex);
  d_->multis.insert(multiHandle);
}

void HttpSession::Detach(void* multiHandle) {
  std::lock_guard lock(d_->stateMutex);
  d_->multis.erase(multiHandle);
}

}  // namespace lumvane
