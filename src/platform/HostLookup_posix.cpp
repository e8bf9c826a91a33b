#include "platform/HostLookup.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace lumvane {

QByteArray LookupIPv4(const QByteArray& name) {
  if (name.isEmpty() || name.contains('\0')) return {};
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (::getaddrinfo(name.constData(), nullptr, &hints, &found) != 0 || found == nullptr) return {};
  char text[INET_ADDRSTRLEN] = {};
  const auto* address = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
  const bool ok = ::inet_ntop(AF_INET, &address->sin_addr, text, sizeof text) != nullptr;
  ::freeaddrinfo(found);
  return ok ? QByteArray(text) : QByteArray();
}

}  // namespace lumvane
