#include "download/NameListFile.h"

#include <QtEndian>

namespace lumvane {
namespace {

QByteArray Utf16Le(const QString& text) {
  QByteArray bytes(text.size() * 2, Qt::Uninitialized);
  qToLittleEndian<char16_t>(text.utf16(), text.size(), bytes.data());
  return bytes;
}

}  // namespace

void NameListFile::Start(const QString& path) {
  Close();
  file_.setFileName(path);
  if (file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) file_.write("\xFF\xFE", 2);
}

void NameListFile::AppendLine(const QString& line) {
  if (file_.isOpen()) file_.write(Utf16Le(line + u"\r\n"));
}

void NameListFile::Close() {
  if (file_.isOpen()) file_.close();
}

}  // namespace lumvane
