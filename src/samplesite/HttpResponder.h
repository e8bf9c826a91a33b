#pragma once
// The answer channel a request handler gets. Send() is the fast path: status
// line, headers and a shared body in one gather write. The raw calls let a
// script misbehave on purpose; after any of them the connection ends when the
// handler returns, because the server no longer knows where the answer ends.

#include <QByteArray>
#include <QByteArrayView>
#include <memory>

#include "platform/LoopbackSocket.h"
#include "samplesite/HttpRequest.h"
#include "samplesite/StopSignal.h"

namespace lumvane {

// Response bodies are shared and never copied per request.
using HttpBody = std::shared_ptr<const QByteArray>;

class HttpResponder {
 public:
  HttpResponder(LoopbackSocket& socket, const StopSignal& stop, bool headRequest, bool keepAlive);
  HttpResponder(const HttpResponder&) = delete;
  HttpResponder& operator=(const HttpResponder&) = delete;

  // Writes a whole response. Content-Length is added unless `headers` has
  // one; a HEAD request gets the headers only. False when the client is gone.
  bool Send(int status, const HttpHeaders& headers, const HttpBody& body);
  bool Send(int status, const HttpHeaders& headers, QByteArray body);

  bool WriteRaw(QByteArrayView bytes);
  // Sleeps; false when the server stops meanwhile.
  bool Sleep(int ms);
  // Answers nothing until the server stops or the client goes away; true
  // when the client went away.
  bool Hold();
  void Close();
  // Ends the connection with a reset (the client sees "connection reset").
  void Reset();
  // True once a write failed or the client closed its side.
  bool ClientGone();

  qint64 BytesWritten() const { return bytesWritten_; }
  bool Stopping() const { return stop_.IsSet(); }
  // Whether the server may read the next request on this connection.
  bool CanContinue() const { return answered_ && !raw_ && !gone_ && keepAlive_ && socket_.IsOpen(); }

 private:
  bool Write(std::span<const QByteArrayView> pieces, qint64 size);

  LoopbackSocket& socket_;
  const StopSignal& stop_;
  const bool headRequest_;
  const bool keepAlive_;
  bool answered_ = false;
  bool raw_ = false;
  bool gone_ = false;
  qint64 bytesWritten_ = 0;
};

}  // namespace lumvane
