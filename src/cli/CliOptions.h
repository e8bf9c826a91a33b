#pragma once
// The command line of lumvane-cli.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace lumvane {

struct CliOptions {
  enum class Command { None, Help, Version, List, Download, Demo };
  Command command = Command::None;
  QString address;
  QString folder;
  QString csvFile;
  QString albums;  // "1,3-5"; empty: all
  std::optional<int> threads;
  std::optional<int> timeoutSec;
  std::optional<int> minKb;
  std::optional<int> maxKb;
  bool listOnly = false;
  bool nameList = false;
  bool fixFormat = false;
  bool fixOrder = false;
  bool skipOld = false;
  // Common to all commands.
  QString sitesFile;
  QStringList connectTo;
  QString cookieFile;
  bool yes = false;
};

// Parses the arguments (without the program name). On a usage error
// returns nothing and sets `error`.
std::optional<CliOptions> ParseCliOptions(const QStringList& args, QString& error);

// Row numbers (1-based) of an "--albums" list such as "1,3-5"; nothing when
// it is malformed.
std::optional<std::vector<int>> ParseAlbumRows(const QString& list);

extern const char kCliUsage[];

}  // namespace lumvane
