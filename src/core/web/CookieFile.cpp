#include "web/CookieFile.h"

#include <QFile>

#include "web/AtomicFile.h"

namespace lumvane {
namespace {

constexpr QByteArrayView kHttpOnlyPrefix = "#HttpOnly_";
constexpr qsizetype kFieldCount = 7;
constexpr qsizetype kExpiryField = 4;

constexpr QByteArrayView kFileHead =
    "# Netscape HTTP Cookie File\n"
    "# Lumvane's cookie jar, shared by all its transfers. Edit with care.\n\n";

QList<QByteArray> Fields(QByteArrayView line) {
  if (line.startsWith(kHttpOnlyPrefix)) line = line.sliced(kHttpOnlyPrefix.size());
  return line.toByteArray().split('\t');
}

bool ParseExpiry(const QByteArray& field, qint64& expiry) {
  bool ok = false;
  expiry = field.toLongLong(&ok);
  return ok && expiry >= 0;
}

}  // namespace

bool IsCookieLine(QByteArrayView line) {
  if (line.contains('\n') || line.contains('\r') || line.contains('\0')) return false;
  if (line.startsWith('#') && !line.startsWith(kHttpOnlyPrefix)) return false;
  const QList<QByteArray> fields = Fields(line);
  qint64 expiry;
  return fields.size() == kFieldCount && !fields[0].isEmpty() && !fields[5].isEmpty() &&
         ParseExpiry(fields[kExpiryField], expiry);
}

bool IsExpiredCookieLine(QByteArrayView line, qint64 nowUtcSeconds) {
  const QList<QByteArray> fields = Fields(line);
  qint64 expiry;
  return fields.size() == kFieldCount && ParseExpiry(fields[kExpiryField], expiry) && expiry != 0 &&
         expiry < nowUtcSeconds;
}

QList<QByteArray> ReadCookieFile(const QString& path) {
  QFile file(path);
  if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return {};
  QList<QByteArray> lines;
  for (QByteArray line : file.readAll().split('\n')) {
    if (line.endsWith('\r')) line.chop(1);
    if (IsCookieLine(line)) lines.append(line);
  }
  return lines;
}

bool WriteCookieFile(const QString& path, const QList<QByteArray>& lines) {
  QByteArray text(kFileHead.data(), kFileHead.size());
  for (const QByteArray& line : lines) text += line + '\n';
  AtomicFile file(path);
  return file.Open(QFileDevice::ReadOwner | QFileDevice::WriteOwner) && file.Write(text) && file.Commit();
}

}  // namespace lumvane
