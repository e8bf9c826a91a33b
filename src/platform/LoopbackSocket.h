#pragma once
// A connected TCP socket on the loopback interface. Shutdown() may be called
// from any thread to wake a call blocked in another; every other call belongs
// to the thread that owns the socket.

#include <QByteArrayView>
#include <QtGlobal>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>

namespace lumvane {

class LoopbackSocket {
 public:
  // Takes ownership of an operating-system socket handle.
  explicit LoopbackSocket(std::intptr_t handle);
  ~LoopbackSocket();
  LoopbackSocket(const LoopbackSocket&) = delete;
  LoopbackSocket& operator=(const LoopbackSocket&) = delete;

  // Connects to 127.0.0.1:port; null when that fails.
  static std::unique_ptr<LoopbackSocket> Connect(quint16 port);

  // Writes every piece in order, as one gather write where the system has
  // it; false when the connection broke. No SIGPIPE is raised.
  bool SendAll(std::span<const QByteArrayView> pieces);
  bool SendAll(QByteArrayView bytes);
  // Reads what has arrived (blocking until something has): the number of
  // bytes, 0 when the peer closed its side, -1 on error.
  qint64 Receive(char* buffer, qint64 capacity);
  // Waits until data (or the peer's close) can be read: false at time-out.
  // A negative time-out waits without limit.
  bool WaitReadable(int timeoutMs);
  // Without waiting: true when the peer has closed or the connection broke.
  bool PeerClosed();

  // Ends both directions; a call blocked on the socket returns at once.
  void Shutdown();
  // Closes the socket; the peer sees an orderly end.
  void Close();
  // Closes with a reset (SO_LINGER 0); the peer sees "connection reset".
  void Reset();
  bool IsOpen() const;

 private:
  std::intptr_t handle_;
  mutable std::mutex closeMutex_;  // orders Shutdown() against Close()/Reset()
};

}  // namespace lumvane
