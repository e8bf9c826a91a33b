#pragma once
// Reader of hand-edited INI files ("下载器扩展设置.ini", "sites.ini"). Section
// and key names compare without regard to case; the file is read as UTF-8
// when it is valid UTF-8 (with or without BOM), else as GBK.

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace lumvane {

class CIni {
 public:
  explicit CIni(QString path);

  bool Exists() const;
  // Value of `key`, or `defaultValue` when the section or key is missing.
  QString GetString(const QString& section, const QString& key, const QString& defaultValue = {}) const;
  // Value read as an unsigned decimal number; `defaultValue` when empty.
  quint32 GetNumber(const QString& section, const QString& key, quint32 defaultValue) const;
  // Every key=value line of a section, in file order.
  QList<QPair<QString, QString>> Entries(const QString& section) const;

  const QString& Path() const { return path_; }

 private:
  QString path_;
  // Parsed once at construction: sections in file order.
  struct Section {
    QString name;
    QList<QPair<QString, QString>> entries;
  };
  QList<Section> sections_;
  bool exists_ = false;
};

}  // namespace lumvane
