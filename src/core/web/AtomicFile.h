#pragma once
// A file written under a hidden temporary name beside its target and moved
// over the target by Commit() only, so the target name never holds a partial
// file and an existing target stays untouched until then.

#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <optional>

namespace lumvane {

class AtomicFile {
 public:
  explicit AtomicFile(QString target);
  ~AtomicFile();  // discards what was not committed
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Creates the temporary file; `permissions` apply from its creation on.
  bool Open(std::optional<QFileDevice::Permissions> permissions = std::nullopt);
  bool Write(QByteArrayView bytes);
  // Closes the temporary file and renames it over the target.
  bool Commit();
  // Closes and deletes the temporary file.
  void Discard();

 private:
  const QString target_;
  QFile temp_;
};

}  // namespace lumvane
