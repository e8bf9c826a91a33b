#include "samplesite/HttpServer.h"

#include "samplesite/HttpRequestReader.h"

namespace lumvane {
namespace {

bool WantsKeepAlive(const HttpRequest& request) {
  return request.version == "HTTP/1.1" && request.Header("Connection").compare("close", Qt::CaseInsensitive) != 0;
}

void Refuse(LoopbackSocket& socket, const StopSignal& stop, int status) {
  HttpResponder responder(socket, stop, false, false);
  responder.Send(status, {}, QByteArray());
}

}  // namespace

HttpServer::HttpServer(HttpHandler handler) : handler_(std::move(handler)) {}

HttpServer::~HttpServer() { Stop(); }

bool HttpServer::Start(quint16 port) {
  if (started_ || !listener_.Listen(port)) return false;
  started_ = true;
  acceptThread_ = std::thread([this] { AcceptLoop(); });
  return true;
}

quint16 HttpServer::Port() const { return listener_.Port(); }

void HttpServer::Stop() {
  if (!started_ || stop_.IsSet()) return;
  stop_.Set();
  listener_.Interrupt();
  acceptThread_.join();
  {
    std::lock_guard lock(connectionsMutex_);
    for (Connection& connection : connections_) connection.socket->Shutdown();
  }
  // Only this thread changes the list now that the accept thread has ended.
  for (Connection& connection : connections_) connection.thread.join();
  connections_.clear();
  listener_.Close();
}

void HttpServer::AcceptLoop() {
  while (std::unique_ptr<LoopbackSocket> socket = listener_.Accept()) {
    JoinFinished();
    std::lock_guard lock(connectionsMutex_);
    if (stop_.IsSet()) break;
    Connection& connection = connections_.emplace_back();
    connection.socket = std::move(socket);
    connection.thread = std::thread([this, &connection] { Serve(connection); });
  }
}

void HttpServer::JoinFinished() {
  std::lock_guard lock(connectionsMutex_);
  for (auto it = connections_.begin(); it != connections_.end();) {
    if (!it->finished) {
      ++it;
      continue;
    }
    it->thread.join();
    it = connections_.erase(it);
  }
}

void HttpServer::Serve(Connection& connection) {
  LoopbackSocket& socket = *connection.socket;
  HttpRequestReader reader(socket);
  for (;;) {
    HttpRequest request;
    const RequestReadResult result = reader.Next(request);
    if (result == RequestReadResult::Malformed) Refuse(socket, stop_, 400);
    if (result == RequestReadResult::TooLarge) Refuse(socket, stop_, 413);
    if (result == RequestReadResult::Unsupported) Refuse(socket, stop_, 501);
    if (result != RequestReadResult::Request || !Answer(request, socket)) break;
  }
  socket.Close();
  connection.finished = true;
}

bool HttpServer::Answer(const HttpRequest& request, LoopbackSocket& socket) {
  HttpResponder responder(socket, stop_, request.method == "HEAD", WantsKeepAlive(request));
  try {
    handler_(request, responder);
  } catch (...) {
    return false;  // a failing handler ends its connection, not the server
  }
  return responder.CanContinue() && !stop_.IsSet();
}

}  // namespace lumvane
