#pragma once
// The cookie jar on disk: a Netscape-format cookies.txt, one cookie a line
// ("domain TAB tailmatch TAB path TAB secure TAB expires TAB name TAB value",
// "#HttpOnly_" before the domain of an HTTP-only cookie).

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace lumvane {

// A well-formed cookie line: seven tab-separated fields, a domain, a numeric
// expiry, no line break.
bool IsCookieLine(QByteArrayView line);
// True when the line's expiry lies before `nowUtcSeconds` (0 is a session
// cookie, which does not expire here).
bool IsExpiredCookieLine(QByteArrayView line, qint64 nowUtcSeconds);

// The cookie lines of the file; comments and malformed lines are skipped.
// A missing file gives none.
QList<QByteArray> ReadCookieFile(const QString& path);
// Replaces the file in one step; the file is readable by its owner only.
bool WriteCookieFile(const QString& path, const QList<QByteArray>& lines);

}  // namespace lumvane
