#pragma once
// What the fixture server answers on one path, and how it misbehaves.

#include <QByteArray>

#include "samplesite/HttpRequest.h"

namespace lumvane {

struct FixtureScript {
  static constexpr qint64 kTrueLength = -1;  // announce the body's real length
  static constexpr qint64 kNoLength = -2;    // announce none; the close ends the body

  int status = 200;
  HttpHeaders headers;  // sent in this order
  QByteArray body;
  qint64 announcedLength = kTrueLength;  // any other value is a lie told in Content-Length

  bool neverAnswer = false;   // read the request, then hold the connection silently
  int headerDelayMs = 0;      // pause before the status line
  int chunkSize = 0;          // write the body in pieces of this size (0: at once)
  int chunkPauseMs = 0;       // pause before every piece, the first too
  qint64 cutAfter = -1;       // end the connection after this many body bytes
  bool cutWithReset = false;  // ... with a reset instead of a close

  static FixtureScript Redirect(const QByteArray& location, int status = 302) {
    FixtureScript script;
    script.status = status;
    script.headers = {{"Location", location}};
    return script;
  }
  static FixtureScript Silent() {
    FixtureScript script;
    script.neverAnswer = true;
    return script;
  }
};

}  // namespace lumvane
