#include "support/FixtureServer.h"

#include <algorithm>

namespace lumvane {

FixtureServer::FixtureServer()
    : server_([this](const HttpRequest& request, HttpResponder& responder) { Handle(request, responder); }) {
  clock_.start();
  server_.Start();
}

FixtureServer::~FixtureServer() { server_.Stop(); }

QString FixtureServer::Url(const QByteArray& target) const {
  return QStringLiteral("http://127.0.0.1:%1").arg(Port()) + QString::fromLatin1(target);
}

void FixtureServer::Serve(const QByteArray& target, FixtureScript script) { Serve(target, QList{std::move(script)}); }

void FixtureServer::Serve(const QByteArray& target, QList<FixtureScript> scripts) {
  std::lock_guard lock(mutex_);
  routes_[target] = Route{std::move(scripts), 0};
}

QList<FixtureRequest> FixtureServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

QList<FixtureDisconnect> FixtureServer::Disconnects() const {
  std::lock_guard lock(mutex_);
  return disconnects_;
}

bool FixtureServer::WaitForRequests(qsizetype count, int timeoutMs) const {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return requests_.size() >= count; });
}

std::optional<FixtureDisconnect> FixtureServer::WaitForDisconnect(const QByteArray& target, int timeoutMs) const {
  std::unique_lock lock(mutex_);
  std::optional<FixtureDisconnect> found;
  changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
    const auto it = std::find_if(disconnects_.begin(), disconnects_.end(),
                                 [&](const FixtureDisconnect& d) { return d.target == target; });
    if (it != disconnects_.end()) found = *it;
    return found.has_value();
  });
  return found;
}

void FixtureServer::Handle(const HttpRequest& request, HttpResponder& responder) {
  FixtureScript script;
  {
    std::lock_guard lock(mutex_);
    requests_.append({request, clock_.elapsed()});
    script = Pick(request);
  }
  changed_.notify_all();
  Play(request.target, script, responder);
}

FixtureScript FixtureServer::Pick(const HttpRequest& request) {
  auto it = routes_.find(request.target);
  if (it == routes_.end()) it = routes_.find(request.Path());
  if (it == routes_.end() || it->scripts.isEmpty()) {
    FixtureScript missing;
    missing.status = 404;
    return missing;
  }
  const qsizetype index = std::min(it->served++, it->scripts.size() - 1);
  return it->scripts[index];
}

void FixtureServer::Play(const QByteArray& target, const FixtureScript& script, HttpResponder& responder) {
  if (script.neverAnswer) {
    if (responder.Hold()) NoteDisconnect(target, 0);
    return;
  }
  const bool plain = script.headerDelayMs == 0 && script.chunkSize == 0 && script.cutAfter < 0 &&
                     script.announcedLength == FixtureScript::kTrueLength;
  if (plain) {
    if (!responder.Send(script.status, script.headers, script.body)) NoteDisconnect(target, 0);
    return;
  }

  if (script.headerDelayMs > 0 && !responder.Sleep(script.headerDelayMs)) return;
  QByteArray head = HttpStatusLine(script.status);
  for (const HttpHeader& header : script.headers) head += header.name + ": " + header.value + "\r\n";
  if (script.announcedLength != FixtureScript::kNoLength) {
    const qint64 length =
        script.announcedLength == FixtureScript::kTrueLength ? script.body.size() : script.announcedLength;
    head += "Content-Length: " + QByteArray::number(length) + "\r\n";
  }
  head += "\r\n";
  if (responder.ClientGone() || !responder.WriteRaw(head)) {
    NoteDisconnect(target, 0);
    return;
  }

  const qint64 end = script.cutAfter >= 0 ? std::min<qint64>(script.cutAfter, script.body.size()) : script.body.size();
  const qint64 step = script.chunkSize > 0 ? script.chunkSize : std::max<qint64>(end, 1);
  for (qint64 at = 0; at < end; at += step) {
    if (script.chunkPauseMs > 0 && !responder.Sleep(script.chunkPauseMs)) return;
    if (responder.ClientGone() ||
        !responder.WriteRaw(QByteArrayView(script.body).sliced(at, std::min(step, end - at)))) {
      NoteDisconnect(target, at);
      return;
    }
  }
  if (script.cutAfter < 0) return;
  if (script.cutWithReset) {
    responder.Reset();
  } else {
    responder.Close();
  }
}

void FixtureServer::NoteDisconnect(const QByteArray& target, qint64 bodyBytes) {
  {
    std::lock_guard lock(mutex_);
    disconnects_.append({target, bodyBytes, clock_.elapsed()});
  }
  changed_.notify_all();
}

}  // namespace lumvane
