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

  DownloadParams Params(int kind) const;
  void SetParams(int kind, const DownloadParams& params);
  SaveRule Rule(int kind) const;
  void SetRule(int kind, const SaveRule& rule);
  quint16 Options(int kind) const;
  void SetOptions(int kind, quint16 options);

  QString HistoryEntry(int which, int entry) const;
  // Adds `text` as entry 0 of a history; false (nothing changed) for a
  // `which` other than 0 or 1, a text of 400 characters or more, or a text
  // already present without regard to case.
  bool AddHistory(int which, const QString& text);

  QByteArray& Bytes() { return bytes_; }
  const QByteArray& Bytes() const { return bytes_; }

 private:
  QByteArray bytes_;
};

}  // namespace lumvane
