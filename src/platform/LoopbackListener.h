#pragma once
// A listening TCP socket bound to 127.0.0.1. Interrupt() may be called from
// any thread and makes a blocked Accept() return.

#include <QtGlobal>
#include <cstdint>
#include <memory>

#include "platform/LoopbackSocket.h"

namespace lumvane {

class LoopbackListener {
 public:
  LoopbackListener();
  ~LoopbackListener();
  LoopbackListener(const LoopbackListener&) = delete;
  LoopbackListener& operator=(const LoopbackListener&) = delete;

  // Binds 127.0.0.1:port (0 takes any free port) and listens.
  bool Listen(quint16 port);
  quint16 Port() const;
  // Waits for the next connection; null after Interrupt() or on error.
  std::unique_ptr<LoopbackSocket> Accept();
  void Interrupt();
  void Close();

 private:
  std::intptr_t handle_ = -1;
  std::intptr_t wakeRead_ = -1;
  std::intptr_t wakeWrite_ = -1;
  quint16 port_ = 0;
};

}  // namespace lumvane
