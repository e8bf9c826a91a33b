#pragma once
// Reads HTTP/1.1 requests one after another from a kept-alive connection.

#include <QByteArray>

#include "platform/LoopbackSocket.h"
#include "samplesite/HttpRequest.h"

namespace lumvane {

enum class RequestReadResult {
  Request,     // a complete request
  Closed,      // the connection ended between requests (or broke)
  Malformed,   // answer 400 and close
  TooLarge,    // header block or body beyond the limits: answer 413 and close
  Unsupported  // a request body framing this server does not read: answer 501 and close
};

class HttpRequestReader {
 public:
  explicit HttpRequestReader(LoopbackSocket& socket);

  RequestReadResult Next(HttpRequest& request);

 private:
  bool Fill();
  RequestReadResult ParseHead(qsizetype headEnd, HttpRequest& request, qint64& bodyLength) const;

  LoopbackSocket& socket_;
  QByteArray buffer_;  // received, not yet consumed
};

}  // namespace lumvane
