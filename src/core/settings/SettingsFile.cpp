#include "settings/SettingsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "app/SiteKind.h"
#include "settings/Ini.h"

namespace lumvane {
namespace {

constexpr quint16 kDefaultThreadCount = 5;
constexpr quint16 kMaxThreadCount = 15;
constexpr quint16 kDefaultTimeoutSec = 30;
constexpr quint16 kMinTimeoutSec = 10;

enum class ReadResult { Missing, Read, Unreadable };

ReadResult ReadSettingsImage(const QString& path, SettingsBlock& block) {
  QFile file(path);
  if (!file.exists()) return ReadResult::Missing;
  if (!file.open(QIODevice::ReadOnly)) return ReadResult::Unreadable;
  const QByteArray image = file.read(SettingsBlock::kSize);
  if (file.error() != QFileDevice::NoError) return ReadResult::Unreadable;
  block.SetBytes(image);
  return ReadResult::Read;
}

void RepairParams(SettingsBlock& block) {
  for (int kind = 0; kind < SettingsBlock::kKinds; ++kind) {
    DownloadParams params = block.Params(kind);
    if (params.threadCount == 0 || params.threadCount > kMaxThreadCount) params.threadCount = kDefaultThreadCount;
    if (params.timeoutSec < kMinTimeoutSec) params.timeoutSec = kDefaultTimeoutSec;
    block.SetParams(kind, params);
  }
}

void ApplyFirstRunDefaults(SettingsBlock& block) {
  for (int kind = 0; kind < SettingsBlock::kKinds; ++kind) {
    SaveRule rule = block.Rule(kind);
    rule.options = OPT_OPEN_FOLDER;
    if (kind == SITE_YUPOO) rule.options |= OPT_YUPOO_LARGE | OPT_FIX_ORDER;
    if (kind == SITE_TAOBAO || kind == SITE_JD) rule.options |= OPT_FIX_ORDER;
    if (kind == SITE_51) rule.nameSource = NAME_SEQUENCE;
    if (kind == SITE_INSTAGRAM) rule.prefix = QStringLiteral("?2) ");
    block.SetRule(kind, rule);
  }
}

// Text mode of a coding key; the tests are made in this order and are
// case-sensitive.
quint8 CodingMode(const QString& value) {
  if (value.startsWith(u"UTF8")) return 2;
  if (value.startsWith(u"ANSI")) return 0;
  if (value.startsWith(u"AUTO")) return 16;
  if (value.startsWith(u"BIG5")) return 8;
  return 0;
}

}  // namespace

void LoadSettingsFile(const QString& programFolder, SettingsBlock& block) {
  block = SettingsBlock();
  const ReadResult read = ReadSettingsImage(programFolder + QString::fromUtf16(kSettingsFileName), block);
  RepairParams(block);
  if (read != ReadResult::Read) ApplyFirstRunDefaults(block);
  // A file that exists but could not be read is left alone rather than
  // overwritten with defaults.
  if (read != ReadResult::Unreadable) SaveSettingsFile(programFolder, block);
}

bool SaveSettingsFile(const QString& programFolder, const SettingsBlock& block) {
  // Written beside the target and renamed into place, so that a crash or a
  // full disk never leaves a half file.
  QSaveFile file(programFolder + QString::fromUtf16(kSettingsFileName));
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(block.Bytes()) != SettingsBlock::kSize) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

void LoadExtensionSettings(const QString& programFolder, ExtensionSettings& settings) {
  settings.qqV2Coding = 0;
  settings.qqV3Coding = 0;
  settings.taobaoHasPrice = 0;
  settings.taobaoPriceDelta = 0;
  settings.instagramFetchMode = 1;
  const QString path = programFolder + QString::fromUtf16(kExtensionIniName);
  if (!QFileInfo::exists(path)) return;
  const CIni ini(path);
  const QString qq = QStringLiteral("QQ空间");
  const QString taobao = QStringLiteral("淘宝");
  settings.qqV2Coding = CodingMode(ini.GetString(qq, QStringLiteral("V2编码"), QStringLiteral("ANSI")));
  settings.qqV3Coding = CodingMode(ini.GetString(qq, QStringLiteral("V3编码"), QStringLiteral("ANSI")));
  settings.qqOriginalNameMode = static_cast<quint8>(ini.GetNumber(qq, QStringLiteral("取原始名方式"), 1));
  settings.taobaoHasPrice =
      ini.GetString(taobao, QStringLiteral("图片名中是否有价格"), QStringLiteral("无")).startsWith(u"有") ? 1 : 0;
  settings.taobaoPriceDelta = static_cast<qint32>(ini.GetNumber(taobao, QStringLiteral("价格增减"), 0));
  settings.instagramFetchMode =
      static_cast<quint8>(ini.GetNumber(QStringLiteral("Instagram"), QStringLiteral("图片获取方式"), 1));
}

}  // namespace lumvane
