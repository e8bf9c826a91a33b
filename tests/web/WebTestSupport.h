#pragma once
// Small shared pieces of the web tests.

#include <QByteArray>
#include <QString>

#include "web/UrlRequest.h"

namespace lumvane::tests {

// Every test server is on 127.0.0.1: no proxy may stand in between.
inline void KeepProxiesOut() { qputenv("no_proxy", "*"); }

// A request with time-outs long enough never to matter on a loaded machine.
inline UrlRequest LenientRequest(const QString& url, const QString& outFile = {}) {
  return UrlRequest(url, outFile, 10000);
}

}  // namespace lumvane::tests
