#include "download/NameListFile.h"

#include "text/CodePage.h"

namespace lumvane {
void NameListFile::Start(const QString& path) {
  Close();
  file_.setFileName(path);
  if (file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) file_.write("\xFF\xFE", 2);
}

void NameListFile::AppendLine(const QString& line) {
  if (file_.isOpen()) file_.write(ToUtf16Le(QString(line + u"\r\n")));
}

void NameListFile::Close() {
  if (file_.isOpen()) file_.close();
}

}  // namespace lumvane
