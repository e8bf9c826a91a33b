#include "platform/LoopbackSocket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace lumvane {
namespace {

int Fd(std::intptr_t handle) { return static_cast<int>(handle); }

}  // namespace

LoopbackSocket::LoopbackSocket(std::intptr_t handle) : handle_(handle) {
  // Scripts write small pieces on purpose; each must leave at once.
  const int on = 1;
  ::setsockopt(Fd(handle_), IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

LoopbackSocket::~LoopbackSocket() { Close(); }

std::unique_ptr<LoopbackSocket> LoopbackSocket::Connect(quint16 port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return nullptr;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int result;
  do {
    result = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
  } while (result < 0 && errno == EINTR);
  if (result < 0) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<LoopbackSocket>(fd);
}

bool LoopbackSocket::SendAll(std::span<const QByteArrayView> pieces) {
  std::vector<iovec> vectors;
  vectors.reserve(pieces.size());
  for (QByteArrayView piece : pieces) {
    if (!piece.isEmpty()) vectors.push_back({const_cast<char*>(piece.data()), static_cast<size_t>(piece.size())});
  }
  size_t first = 0;
  while (first < vectors.size()) {
    msghdr message{};
    message.msg_iov = vectors.data() + first;
    message.msg_iovlen = vectors.size() - first;
    const ssize_t sent = ::sendmsg(Fd(handle_), &message, MSG_NOSIGNAL);
    if (sent < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    size_t left = static_cast<size_t>(sent);
    while (first < vectors.size() && left >= vectors[first].iov_len) left -= vectors[first++].iov_len;
    if (left > 0) {
      vectors[first].iov_base = static_cast<char*>(vectors[first].iov_base) + left;
      vectors[first].iov_len -= left;
    }
  }
  return true;
}

bool LoopbackSocket::SendAll(QByteArrayView bytes) { return SendAll(std::span<const QByteArrayView>(&bytes, 1)); }

qint64 LoopbackSocket::Receive(char* buffer, qint64 capacity) {
  for (;;) {
    const ssize_t received = ::recv(Fd(handle_), buffer, static_cast<size_t>(capacity), 0);
    if (received >= 0) return received;
    if (errno != EINTR) return -1;
  }
}

bool LoopbackSocket::WaitReadable(int timeoutMs) {
  pollfd entry{Fd(handle_), POLLIN, 0};
  for (;;) {
    const int ready = ::poll(&entry, 1, timeoutMs < 0 ? -1 : timeoutMs);
    if (ready >= 0) return ready > 0;
    if (errno != EINTR) return true;  // let the next read report the error
  }
}

bool LoopbackSocket::PeerClosed() {
  pollfd entry{Fd(handle_), POLLIN, 0};
  if (::poll(&entry, 1, 0) <= 0) return false;
  if (entry.revents & (POLLERR | POLLHUP | POLLNVAL)) return true;
  char probe;
  const ssize_t peeked = ::recv(Fd(handle_), &probe, 1, MSG_PEEK | MSG_DONTWAIT);
  return peeked == 0 || (peeked < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR);
}

void LoopbackSocket::Shutdown() {
  std::lock_guard lock(closeMutex_);
  if (handle_ >= 0) ::shutdown(Fd(handle_), SHUT_RDWR);
}

void LoopbackSocket::Close() {
  std::lock_guard lock(closeMutex_);
  if (handle_ < 0) return;
  ::close(Fd(handle_));
  handle_ = -1;
}

void LoopbackSocket::Reset() {
  std::lock_guard lock(closeMutex_);
  if (handle_ < 0) return;
  const linger abortive{1, 0};
  ::setsockopt(Fd(handle_), SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
  ::close(Fd(handle_));
  handle_ = -1;
}

bool LoopbackSocket::IsOpen() const {
  std::lock_guard lock(closeMutex_);
  return handle_ >= 0;
}

}  // namespace lumvane
