#pragma once
// What all HTTP transfers of the program share: the cookie jar (loaded from
// and saved to cookies.txt), the connect-to mapping and the abort switch.
// Owned by the application context and handed to every UrlSource, which it
// must outlive. Thread-safe.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace lumvane {

class HttpSession {
 public:
  // Loads the jar from `cookieFile`; a missing file is an empty jar.
  explicit HttpSession(QString cookieFile);
  // Saves the jar.
  ~HttpSession();
  HttpSession(const HttpSession&) = delete;
  HttpSession& operator=(const HttpSession&) = delete;

  // "<programFolder>cookies.txt"; programFolder ends with a separator.
  static QString DefaultCookieFile(const QString& programFolder);
  const QString& CookieFile() const;

  // Writes the jar to the cookie file (owner-only, replaced in one step).
  // Skips the write when nothing changed since the last save.
  bool SaveCookies();
  // The jar as Netscape cookie lines, expired cookies left out; for handing
  // cookies to the sign-in browser.
  QList<QByteArray> ExportCookies() const;
  // Adds Netscape cookie lines (from the sign-in browser); malformed lines
  // are skipped. Returns how many were taken.
  int ImportCookies(const QList<QByteArray>& lines);

  // curl's connect-to form HOST:PORT:ADDR:PORT: connections for HOST:PORT go
  // to ADDR:PORT while the requests keep the host name.
  void SetConnectTo(QStringList mappings);
  QStringList ConnectTo() const;

  // Ends every transfer in flight and every retry pause at once, and makes
  // later requests fail without sending. There is no way back: used when the
  // program closes.
  void Abort();
  bool Aborted() const;
  // Sleeps up to `ms`; false when the session was aborted meanwhile.
  bool Pause(quint32 ms) const;

 private:
  friend class CurlTransfer;
  // The curl share handle, and the multi handles to wake on Abort().
  void* ShareHandle() const;
  void Attach(void* multiHandle);
  void Detach(void* multiHandle);

  struct Impl;
  const std::unique_ptr<Impl> d_;
};

}  // namespace lumvane
