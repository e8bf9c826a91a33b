#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for the sample site, the test
// fixtures and the benchmarks: one thread per connection, keep-alive, and a
// handler that answers each request through an HttpResponder.

#include <QtGlobal>
#include <atomic>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/LoopbackListener.h"
#include "samplesite/HttpRequest.h"
#include "samplesite/HttpResponder.h"
#include "samplesite/StopSignal.h"

namespace lumvane {

// Called on the connection's thread, possibly on several threads at once.
using HttpHandler = std::function<void(const HttpRequest&, HttpResponder&)>;

class HttpServer {
 public:
  explicit HttpServer(HttpHandler handler);
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  // Listens on 127.0.0.1:port (0 takes any free port). A server starts once.
  bool Start(quint16 port = 0);
  quint16 Port() const;
  // Ends every connection, also those held without an answer, and returns
  // when all their threads have ended.
  void Stop();

 private:
  struct Connection {
    std::unique_ptr<LoopbackSocket> socket;
    std::thread thread;
    std::atomic<bool> finished{false};
  };

  void AcceptLoop();
  void Serve(Connection& connection);
  bool Answer(const HttpRequest& request, LoopbackSocket& socket);
  void JoinFinished();

  const HttpHandler handler_;
  LoopbackListener listener_;
  StopSignal stop_;
  std::thread acceptThread_;
  std::mutex connectionsMutex_;
  std::list<Connection> connections_;
  bool started_ = false;
};

}  // namespace lumvane
