#include "settings/SettingsBlock.h"

#include <QtEndian>

#include <cstring>

namespace lumvane {
namespace {

constexpr qsizetype kParamsSize = 8;
constexpr qsizetype kRulesOffset = SettingsBlock::kKinds * kParamsSize;
constexpr qsizetype kRuleSize = 484;
constexpr qsizetype kRuleTextUnits = 40;
constexpr qsizetype kOptionsOffset = 480;
constexpr qsizetype kNameSourceOffset = 482;
constexpr qsizetype kFolderSourceOffset = 483;
constexpr qsizetype kHistoriesOffset = kRulesOffset + SettingsBlock::kKinds * kRuleSize;
constexpr qsizetype kHistorySize = SettingsBlock::kHistoryEntries * SettingsBlock::kHistoryUnits * 2;
static_assert(kHistoriesOffset + 2 * kHistorySize == SettingsBlock::kSize);

bool ValidKind(int kind) { return kind >= 0 && kind < SettingsBlock::kKinds; }
bool ValidHistory(int which) { return which == SettingsBlock::ADDRESS_HISTORY || which == SettingsBlock::PATH_HISTORY; }

qsizetype ParamsOffset(int kind) { return kind * kParamsSize; }
qsizetype RuleOffset(int kind) { return kRulesOffset + kind * kRuleSize; }
qsizetype RuleTextOffset(int kind, int field) { return RuleOffset(kind) + field * kRuleTextUnits * 2; }
qsizetype HistoryOffset(int which, int entry) {
  return kHistoriesOffset + which * kHistorySize + entry * SettingsBlock::kHistoryUnits * 2;
}

// The six texts of a rule, in their order in the record.
enum RuleText : int { PREFIX, SUFFIX, REPLACE_FROM, REPLACE_TO, FOLDER_PREFIX, FOLDER_SUFFIX };

// Cuts `text` to `maxLength` units without splitting a surrogate pair.
QStringView Cut(const QString& text, qsizetype maxLength) {
  qsizetype length = qMin(text.size(), maxLength);
  if (length > 0 && length < text.size() && text[length - 1].isHighSurrogate()) --length;
  return QStringView(text).first(length);
}

}  // namespace

SettingsBlock::SettingsBlock() : bytes_(kSize, '\0') {}

quint16 SettingsBlock::Unit(qsizetype offset) const { return qFromLittleEndian<quint16>(bytes_.constData() + offset); }

void SettingsBlock::SetUnit(qsizetype offset, quint16 value) { qToLittleEndian(value, bytes_.data() + offset); }

QString SettingsBlock::Text(qsizetype offset, qsizetype units) const {
  QString text;
  for (qsizetype i = 0; i < units; ++i) {
    const quint16 unit = Unit(offset + 2 * i);
    if (unit == 0) break;
    text.append(QChar(unit));
  }
  return text;
}

void SettingsBlock::SetText(qsizetype offset, const QString& text, qsizetype maxLength) {
  const QStringView kept = Cut(text, maxLength);
  for (qsizetype i = 0; i < kept.size(); ++i) SetUnit(offset + 2 * i, kept[i].unicode());
  SetUnit(offset + 2 * kept.size(), 0);
}

DownloadParams SettingsBlock::Params(int kind) const {
  if (!ValidKind(kind)) return {};
  const qsizetype at = ParamsOffset(kind);
  return DownloadParams{Unit(at), Unit(at + 2), Unit(at + 4), Unit(at + 6)};
}

void SettingsBlock::SetParams(int kind, const DownloadParams& params) {
  if (!ValidKind(kind)) return;
  const qsizetype at = ParamsOffset(kind);
  SetUnit(at, params.minSizeK);
  SetUnit(at + 2, params.maxSizeK);
  SetUnit(at + 4, params.threadCount);
  SetUnit(at + 6, params.timeoutSec);
}

SaveRule SettingsBlock::Rule(int kind) const {
  if (!ValidKind(kind)) return {};
  SaveRule rule;
  rule.prefix = Text(RuleTextOffset(kind, PREFIX), kRuleTextUnits);
  rule.suffix = Text(RuleTextOffset(kind, SUFFIX), kRuleTextUnits);
  rule.replaceFrom = Text(RuleTextOffset(kind, REPLACE_FROM), kRuleTextUnits);
  rule.replaceTo = Text(RuleTextOffset(kind, REPLACE_TO), kRuleTextUnits);
  rule.folderPrefix = Text(RuleTextOffset(kind, FOLDER_PREFIX), kRuleTextUnits);
  rule.folderSuffix = Text(RuleTextOffset(kind, FOLDER_SUFFIX), kRuleTextUnits);
  rule.options = Options(kind);
  rule.nameSource = static_cast<quint8>(bytes_[RuleOffset(kind) + kNameSourceOffset]);
  rule.folderSource = static_cast<quint8>(bytes_[RuleOffset(kind) + kFolderSourceOffset]);
  return rule;
}

void SettingsBlock::SetRule(int kind, const SaveRule& rule) {
  if (!ValidKind(kind)) return;
  SetText(RuleTextOffset(kind, PREFIX), rule.prefix, SaveRule::kRuleTextMax);
  SetText(RuleTextOffset(kind, SUFFIX), rule.suffix, SaveRule::kRuleTextMax);
  SetText(RuleTextOffset(kind, REPLACE_FROM), rule.replaceFrom, SaveRule::kRuleTextMax);
  SetText(RuleTextOffset(kind, REPLACE_TO), rule.replaceTo, SaveRule::kRuleTextMax);
  SetText(RuleTextOffset(kind, FOLDER_PREFIX), rule.folderPrefix, SaveRule::kRuleTextMax);
  SetText(RuleTextOffset(kind, FOLDER_SUFFIX), rule.folderSuffix, SaveRule::kRuleTextMax);
  SetOptions(kind, rule.options);
  bytes_[RuleOffset(kind) + kNameSourceOffset] = static_cast<char>(rule.nameSource);
  bytes_[RuleOffset(kind) + kFolderSourceOffset] = static_cast<char>(rule.folderSource);
}

quint16 SettingsBlock::Options(int kind) const {
  return ValidKind(kind) ? Unit(RuleOffset(kind) + kOptionsOffset) : quint16{0};
}

void SettingsBlock::SetOptions(int kind, quint16 options) {
  if (ValidKind(kind)) SetUnit(RuleOffset(kind) + kOptionsOffset, options);
}

QString SettingsBlock::HistoryEntry(int which, int entry) const {
  if (!ValidHistory(which) || entry < 0 || entry >= kHistoryEntries) return {};
  return Text(HistoryOffset(which, entry), kHistoryUnits);
}

bool SettingsBlock::AddHistory(int which, const QString& text) {
  if (!ValidHistory(which) || text.isEmpty() || text.size() >= kHistoryUnits) return false;
  for (int entry = 0; entry < kHistoryEntries; ++entry) {
    if (HistoryEntry(which, entry).compare(text, Qt::CaseInsensitive) == 0) return false;
  }
  char* first = bytes_.data() + HistoryOffset(which, 0);
  std::memmove(first + kHistoryUnits * 2, first, (kHistoryEntries - 1) * kHistoryUnits * 2);
  SetText(HistoryOffset(which, 0), text, kHistoryUnits - 1);
  return true;
}

void SettingsBlock::SetBytes(QByteArrayView image) {
  if (image.isEmpty()) return;
  std::memcpy(bytes_.data(), image.data(), qMin<qsizetype>(image.size(), kSize));
}

}  // namespace lumvane
