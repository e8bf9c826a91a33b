#pragma once
// One libcurl easy handle driven by its own multi handle and poll loop, so
// that every wait is bounded: the connection by connectTimeoutMs, the wait
// for the response headers after sending by connectTimeoutMs, each wait for
// body data by readTimeoutMs; the session's abort switch ends it at once.
// The handles (and so the open connection) are kept from one transfer to the
// next.

#include <chrono>

#include "web/HttpSession.h"
#include "web/ResponseReceiver.h"
#include "web/UrlRequest.h"

namespace lumvane {

class CurlTransfer {
 public:
  explicit CurlTransfer(HttpSession& session);
  ~CurlTransfer();
  CurlTransfer(const CurlTransfer&) = delete;
  CurlTransfer& operator=(const CurlTransfer&) = delete;

  // True when the transfer completed (or stopped at the end marker) and the
  // receiver took every part of it.
  bool Run(const UrlRequest& request, unsigned flags, ResponseReceiver& receiver);

 private:
  using Clock = std::chrono::steady_clock;
  enum class Phase { Connecting, AwaitingHeaders, Body };

  bool Configure(const UrlRequest& request, unsigned flags);
  bool Drive();
  Clock::duration TimeLeft(Clock::time_point now) const;

  void FreeLists();

  struct Callbacks;  // libcurl's callbacks, defined where curl.h is known
  friend struct Callbacks;

  HttpSession& session_;
  void* multi_;
  void* easy_;
  void* headerList_ = nullptr;
  void* connectToList_ = nullptr;

  // State of the running transfer.
  ResponseReceiver* receiver_ = nullptr;
  Phase phase_ = Phase::Connecting;
  Clock::duration connectTimeout_{};
  Clock::duration readTimeout_{};
  Clock::time_point headerDeadline_;
  Clock::time_point lastBodyData_;
  qint64 uploaded_ = 0;
  qint64 downloaded_ = 0;
  bool endMarkerSeen_ = false;
};

}  // namespace lumvane
