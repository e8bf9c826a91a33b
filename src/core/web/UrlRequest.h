#pragma once
// What to fetch and how: one request description, reused by its owner for
// many fetches (change url, outFile, headers between calls).

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace lumvane {

class UrlRequest {
 public:
  UrlRequest(QString url, QString outFile, quint32 timeoutMs);

  // Empties url, headers, both markers and outFile, puts back "GET", both
  // time-outs 20000, no postData and no size limits; the content checks and
  // the retry settings stay.
  void Reset();

  QString url;
  QString verb = QStringLiteral("GET");
  QString headers;  // extra request lines, CR LF between them
  QByteArray startMarker;
  QByteArray endMarker;
  QByteArray requiredText;
  QString outFile;      // when set, a good body is saved there instead of kept
  QByteArray postData;  // request body up to its first zero byte; null: none
  quint32 readTimeoutMs;
  quint32 connectTimeoutMs;
  quint32 minSizeKB = 0;
  quint32 maxSizeKB = 0;  // 0: no upper limit
  quint32 minBodyLength = 0;
  quint8 retryCount = 1;
  quint8 retryDelaySec = 1;
};

}  // namespace lumvane
