#pragma once
// Takes in one transfer's response as it arrives: the header lines of every
// response on the way (redirects, interim answers) and the body of the final
// one, with the size limits, the marker cuts of page bodies and the
// streaming of file bodies into a temporary file.

#include <QByteArray>
#include <QByteArrayView>
#include <memory>

#include "web/AtomicFile.h"
#include "web/UrlRequest.h"

namespace lumvane {

enum class HeaderEvent {
  Line,         // more header lines to come
  InterimEnd,   // a 1xx answer ended; the real one follows
  RedirectEnd,  // a redirect ended; the transfer follows it
  FinalEnd,     // the final response's headers ended; its body follows
  Fail,         // the final response is refused: end the transfer
};

enum class BodyEvent {
  More,  // keep reading
  Done,  // the end marker arrived: stop reading, successfully
  Fail,  // a limit was passed or the file could not be written
};

class ResponseReceiver {
 public:
  // With `checkContent`, a file body must also pass the request's
  // minBodyLength and requiredText before it is moved into place.
  ResponseReceiver(const UrlRequest& request, bool checkContent);

  HeaderEvent OnHeaderLine(QByteArrayView line);
  BodyEvent OnBodyData(QByteArrayView data);
  // After the transfer ended well: the final size checks, then the file is
  // moved into place. The temporary file is gone whatever the result.
  bool Finish();

  QByteArray responseHeaders;  // of the last complete response, as received
  QByteArray body;             // page bodies only, after the marker cuts
  bool gzip = false;
  bool setCookie = false;     // some response on the way set a cookie
  qint64 receivedLength = 0;  // body bytes of the final response

 private:
  bool StartBody();
  BodyEvent TakePageData(QByteArrayView data);
  BodyEvent TakeFileData(QByteArrayView data);
  void SearchRequiredText(QByteArrayView data);

  const UrlRequest& request_;
  const bool checkContent_;
  const quint64 minBytes_;
  const quint64 maxBytes_;  // 0: none
  QByteArray hopHeaders_;
  int hopStatus_ = 0;
  bool hopHasLocation_ = false;
  std::unique_ptr<AtomicFile> file_;
  bool requiredFound_ = false;
  QByteArray requiredTail_;  // last bytes of the file body, for a required text split across pieces
};

}  // namespace lumvane
