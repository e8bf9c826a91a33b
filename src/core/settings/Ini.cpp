#include "settings/Ini.h"

#include <QFile>
#include <QStringDecoder>

#include <limits>

namespace lumvane {
namespace {

QString DecodeIniBytes(const QByteArray& bytes) {
  if (bytes.startsWith("\xFF\xFE")) {
    return QStringDecoder(QStringDecoder::Utf16LE)(bytes.mid(2));
  }
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
  if (!utf8.hasError()) return text;
  return QStringDecoder("GBK")(bytes);
}

// A value written between matching quotes loses them, as the system's
// private-profile reader does.
QString Unquote(QString value) {
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front()) {
    value = value.mid(1, value.size() - 2);
  }
  return value;
}

}  // namespace

CIni::CIni(QString path) : path_(std::move(path)) {
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) return;
  exists_ = true;
  const QString text = DecodeIniBytes(file.readAll());
  Section* current = nullptr;
  for (QStringView line : QStringView(text).split(u'\n')) {
    line = line.trimmed();
    if (line.isEmpty() || line.front() == u';') continue;
    if (line.front() == u'[') {
      const qsizetype close = line.indexOf(u']');
      if (close < 0) continue;
      sections_.append(Section{line.mid(1, close - 1).trimmed().toString(), {}});
      current = &sections_.back();
      continue;
    }
    const qsizetype equals = line.indexOf(u'=');
    if (current == nullptr || equals <= 0) continue;
    current->entries.append(
        {line.left(equals).trimmed().toString(), Unquote(line.mid(equals + 1).trimmed().toString())});
  }
}

bool CIni::Exists() const { return exists_; }

QString CIni::GetString(const QString& section, const QString& key, const QString& defaultValue) const {
  for (const Section& s : sections_) {
    if (s.name.compare(section, Qt::CaseInsensitive) != 0) continue;
    for (const auto& [name, value] : s.entries) {
      if (name.compare(key, Qt::CaseInsensitive) == 0) return value;
    }
    break;  // only the first section of that name counts
  }
  return defaultValue;
}

quint32 CIni::GetNumber(const QString& section, const QString& key, quint32 defaultValue) const {
  const QString value = GetString(section, key);
  if (value.isEmpty()) return defaultValue;
  // Unsigned decimal conversion as the C library's strtoul does it: optional
  // sign, digits up to the first other character, a negated result wrapping
  // around, and the largest value for a number that does not fit.
  qsizetype i = 0;
  bool negative = false;
  if (i < value.size() && (value[i] == u'+' || value[i] == u'-')) negative = value[i++] == u'-';
  quint64 number = 0;
  for (; i < value.size() && value[i] >= u'0' && value[i] <= u'9'; ++i) {
    number = number * 10u + static_cast<quint64>(value[i].unicode() - u'0');
    if (number > std::numeric_limits<quint32>::max()) return std::numeric_limits<quint32>::max();
  }
  return negative ? 0u - static_cast<quint32>(number) : static_cast<quint32>(number);
}

QList<QPair<QString, QString>> CIni::Entries(const QString& section) const {
  for (const Section& s : sections_) {
    if (s.name.compare(section, Qt::CaseInsensitive) == 0) return s.entries;
  }
  return {};
}

}  // namespace lumvane
