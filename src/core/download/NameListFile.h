#pragma once
// The album's list of original picture names: UTF-16 LE with a byte-order
// mark, one line per picture in the order collected.

#include <QFile>
#include <QString>

namespace lumvane {

class NameListFile {
 public:
  // Creates or truncates the file and writes the byte-order mark; a file
  // that cannot be created is skipped silently.
  void Start(const QString& path);
  void AppendLine(const QString& line);
  void Close();

 private:
  QFile file_;
};

}  // namespace lumvane
