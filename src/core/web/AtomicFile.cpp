#include "web/AtomicFile.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <filesystem>
#include <system_error>

namespace lumvane {
namespace {

// A short fixed-length name fits any file system's name limit, whatever the
// length of the target's own name.
QString TempNameBeside(const QString& target) {
  const quint64 random = QRandomGenerator::global()->generate64();
  return QFileInfo(target).path() + QStringLiteral("/.lumvane-%1.part").arg(random, 16, 16, QLatin1Char('0'));
}

std::filesystem::path FsPath(const QString& path) { return std::filesystem::path(path.toStdU16String()); }

}  // namespace

AtomicFile::AtomicFile(QString target) : target_(std::move(target)) {}

AtomicFile::~AtomicFile() { Discard(); }

bool AtomicFile::Open(std::optional<QFileDevice::Permissions> permissions) {
  Discard();
  if (target_.isEmpty()) return false;
  constexpr QIODevice::OpenMode kMode = QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered;
  for (int attempt = 0; attempt < 8; ++attempt) {
    temp_.setFileName(TempNameBeside(target_));
    const bool opened = permissions ? temp_.open(kMode, *permissions) : temp_.open(kMode);
    if (opened) return true;
    if (temp_.error() != QFileDevice::OpenError || !QFileInfo::exists(temp_.fileName())) break;
  }
  temp_.setFileName(QString());
  return false;
}

bool AtomicFile::Write(QByteArrayView bytes) {
  return temp_.isOpen() && temp_.write(bytes.data(), bytes.size()) == bytes.size();
}

bool AtomicFile::Commit() {
  if (!temp_.isOpen()) return false;
  temp_.close();
  const bool written = temp_.error() == QFileDevice::NoError;
  std::error_code error;
  if (written) std::filesystem::rename(FsPath(temp_.fileName()), FsPath(target_), error);
  if (!written || error) {
    Discard();
    return false;
  }
  temp_.setFileName(QString());
  return true;
}

void AtomicFile::Discard() {
  if (temp_.fileName().isEmpty()) return;
  temp_.close();
  temp_.remove();
  temp_.setFileName(QString());
}

}  // namespace lumvane
