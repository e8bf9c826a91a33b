#pragma once
// The in-memory image of "soft.dat": 19808 bytes, little-endian, no header.
// Kept as raw bytes so that a load and save round trip preserves every byte
// this program does not change.
//
//   0      24 DownloadParams x 8 bytes
//   192    24 SaveRule x 484 bytes
//   11808  AddressHistory: 5 x 400 UTF-16 units
//   15808  PathHistory:    5 x 400 UTF-16 units

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "settings/SaveRule.h"

namespace lumvane {

class SettingsBlock {
 public:
  static constexpr int kSize = 19808;
  static constexpr int kKinds = 24;
  static constexpr int kHistoryEntries = 5;
  static constexpr int kHistoryUnits = 400;
  enum History : int { ADDRESS_HISTORY = 0, PATH_HISTORY = 1 };

  SettingsBlock();  // all zero

  // Records of a site kind 0 to 23. Another kind reads as the record's
  // defaults and is not written.
  DownloadParams Params(int kind) const;
  void SetParams(int kind, const DownloadParams& params);
  SaveRule Rule(int kind) const;
  // Texts longer than SaveRule::kRuleTextMax are cut; the field units after a
  // text's terminator are left as they are.
  void SetRule(int kind, const SaveRule& rule);
  quint16 Options(int kind) const;
  void SetOptions(int kind, quint16 options);

  // Entry 0 (the newest) to 4 of a history; empty for an unused entry.
  QString HistoryEntry(int which, int entry) const;
  // Adds `text` as entry 0 of a history, moving the others down and dropping
  // entry 4; false (nothing changed) for a `which` other than 0 or 1, an empty
  // text, a text of 400 characters or more, or a text already present without
  // regard to case.
  bool AddHistory(int which, const QString& text);

  // Copies `image` over the start of the block (at most kSize bytes); the
  // bytes after a shorter image keep their value.
  void SetBytes(QByteArrayView image);
  const QByteArray& Bytes() const { return bytes_; }

 private:
  quint16 Unit(qsizetype offset) const;
  void SetUnit(qsizetype offset, quint16 value);
  QString Text(qsizetype offset, qsizetype units) const;
  void SetText(qsizetype offset, const QString& text, qsizetype maxLength);

  QByteArray bytes_;  // always kSize bytes
};

}  // namespace lumvane
