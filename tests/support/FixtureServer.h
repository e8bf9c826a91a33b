#pragma once
// A scripted HTTP server on 127.0.0.1 for the tests: per path a script (or a
// list of scripts for successive requests), and a log of what arrived and of
// clients that left before their answer was complete.

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QString>
#include <condition_variable>
#include <mutex>
#include <optional>

#include "samplesite/HttpServer.h"
#include "support/FixtureScript.h"

namespace lumvane {

struct FixtureRequest {
  HttpRequest request;
  qint64 atMs = 0;  // since the server started
};

struct FixtureDisconnect {
  QByteArray target;
  qint64 bodyBytesWritten = 0;
  qint64 atMs = 0;
};

class FixtureServer {
 public:
  FixtureServer();  // listens on a free port at once
  ~FixtureServer();

  quint16 Port() const { return server_.Port(); }
  // "http://127.0.0.1:<port>" + target
  QString Url(const QByteArray& target) const;
  qint64 ElapsedMs() const { return clock_.elapsed(); }

  // `target` is matched against the full target first, then against the
  // path without its query. Unknown targets get 404.
  void Serve(const QByteArray& target, FixtureScript script);
  // The n-th request gets the n-th script; the last one repeats.
  void Serve(const QByteArray& target, QList<FixtureScript> scripts);

  QList<FixtureRequest> Requests() const;
  QList<FixtureDisconnect> Disconnects() const;
  // True once at least `count` requests arrived in all.
  bool WaitForRequests(qsizetype count, int timeoutMs) const;
  std::optional<FixtureDisconnect> WaitForDisconnect(const QByteArray& target, int timeoutMs) const;

  void Stop() { server_.Stop(); }

 private:
  struct Route {
    QList<FixtureScript> scripts;
    qsizetype served = 0;
  };

  void Handle(const HttpRequest& request, HttpResponder& responder);
  FixtureScript Pick(const HttpRequest& request);
  void Play(const QByteArray& target, const FixtureScript& script, HttpResponder& responder);
  void NoteDisconnect(const QByteArray& target, qint64 bodyBytes);

  QElapsedTimer clock_;
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  QHash<QByteArray, Route> routes_;
  QList<FixtureRequest> requests_;
  QList<FixtureDisconnect> disconnects_;
  HttpServer server_;  // last: stopped before the members its handler uses
};

}  // namespace lumvane
