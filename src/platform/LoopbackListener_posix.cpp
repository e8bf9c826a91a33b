#include "platform/LoopbackListener.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace lumvane {
namespace {

int Fd(std::intptr_t handle) { return static_cast<int>(handle); }

void CloseHandle(std::intptr_t& handle) {
  if (handle >= 0) ::close(Fd(handle));
  handle = -1;
}

}  // namespace

LoopbackListener::LoopbackListener() = default;

LoopbackListener::~LoopbackListener() { Close(); }

bool LoopbackListener::Listen(quint16 port) {
  Close();
  int wake[2];
  if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) < 0) return false;
  wakeRead_ = wake[0];
  wakeWrite_ = wake[1];
  handle_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (handle_ < 0) {
    Close();
    return false;
  }
  const int on = 1;
  ::setsockopt(Fd(handle_), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (::bind(Fd(handle_), reinterpret_cast<const sockaddr*>(&address), sizeof address) < 0 ||
      ::listen(Fd(handle_), SOMAXCONN) < 0 ||
      ::getsockname(Fd(handle_), reinterpret_cast<sockaddr*>(&address), &length) < 0) {
    Close();
    return false;
  }
  port_ = ntohs(address.sin_port);
  return true;
}

quint16 LoopbackListener::Port() const { return port_; }

std::unique_ptr<LoopbackSocket> LoopbackListener::Accept() {
  if (handle_ < 0) return nullptr;
  for (;;) {
    pollfd entries[2] = {{Fd(handle_), POLLIN, 0}, {Fd(wakeRead_), POLLIN, 0}};
    if (::poll(entries, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return nullptr;
    }
    if (entries[1].revents != 0) return nullptr;  // interrupted; the byte stays so later calls end too
    const int fd = ::accept4(Fd(handle_), nullptr, nullptr, SOCK_CLOEXEC);
    if (fd >= 0) return std::make_unique<LoopbackSocket>(fd);
    if (errno != EINTR && errno != ECONNABORTED && errno != EAGAIN) return nullptr;
  }
}

void LoopbackListener::Interrupt() {
  if (wakeWrite_ < 0) return;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(Fd(wakeWrite_), &byte, 1);
}

void LoopbackListener::Close() {
  CloseHandle(handle_);
  CloseHandle(wakeRead_);
  CloseHandle(wakeWrite_);
  port_ = 0;
}

}  // namespace lumvane
