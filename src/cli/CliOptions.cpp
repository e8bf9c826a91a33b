#include "cli/CliOptions.h"

namespace lumvane {

const char kCliUsage[] =
    "Usage:\n"
    "  lumvane-cli list ADDRESS [--csv FILE]\n"
    "  lumvane-cli download ADDRESS FOLDER [--albums 1,3-5] [--threads N] [--timeout S]\n"
    "              [--min-kb K] [--max-kb K] [--list-only] [--name-list] [--fix-format]\n"
    "              [--fix-order] [--skip-old]\n"
    "  lumvane-cli demo [FOLDER]\n"
    "  lumvane-cli --help | --version\n"
    "\n"
    "Common options (before or after the command):\n"
    "  --sites FILE            site host configuration (default: sites.ini here)\n"
    "  --connect-to H:P:A:P    send connections for host H, port P to address A, port A\n"
    "  --cookies FILE          cookie file (default: cookies.txt here)\n"
    "  --yes                   answer Yes to questions (default: No)\n"
    "\n"
    "Commands:\n"
    "  list      prints one line per album: number, name, picture count, note\n"
    "  download  lists the albums, ticks the given rows (default all) and downloads\n"
    "            them into FOLDER; the flags override the saved settings for this run\n"
    "  demo      starts the bundled sample site and downloads its albums into FOLDER\n"
    "            (default ./lumvane-demo)\n"
    "\n"
    "The current folder is the program folder: soft.dat, sites.ini and cookies.txt live there.\n"
    "Exit status: 0 done, 1 usage, 2 nothing found or the job failed.\n";

namespace {

std::optional<int> ParseNumber(const QString& text, int min, int max) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok || value < min || value > max) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::vector<int>> ParseAlbumRows(const QString& list) {
  std::vector<int> rows;
  for (const QString& part : list.split(u',', Qt::SkipEmptyParts)) {
    const QStringList bounds = part.trimmed().split(u'-');
    if (bounds.size() > 2) return std::nullopt;
    const auto first = ParseNumber(bounds.front(), 1, 1000000);
    const auto last = ParseNumber(bounds.back(), 1, 1000000);
    if (!first || !last || *last < *first) return std::nullopt;
    for (int row = *first; row <= *last; ++row) rows.push_back(row);
  }
  if (rows.empty()) return std::nullopt;
  return rows;
}

std::optional<CliOptions> ParseCliOptions(const QStringList& args, QString& error) {
  CliOptions options;
  QStringList positional;
  auto value = [&](qsizetype& i, const QString& name) -> std::optional<QString> {
    if (i + 1 >= args.size()) {
      error = name + QStringLiteral(" needs a value");
      return std::nullopt;
    }
    return args[++i];
  };
  auto number = [&](qsizetype& i, const QString& name, int min, int max) -> std::optional<int> {
    const auto text = value(i, name);
    if (!text) return std::nullopt;
    const auto n = ParseNumber(*text, min, max);
    if (!n) error = name + QStringLiteral(" must be a number from %1 to %2").arg(min).arg(max);
    return n;
  };
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (arg == u"--help" || arg == u"-h") {
      options.command = CliOptions::Command::Help;
      return options;
    }
    if (arg == u"--version") {
      options.command = CliOptions::Command::Version;
      return options;
    }
    std::optional<QString> text;
    std::optional<int> n;
    if (arg == u"--sites") {
      if (!(text = value(i, arg))) return std::nullopt;
      options.sitesFile = *text;
    } else if (arg == u"--connect-to") {
      if (!(text = value(i, arg))) return std::nullopt;
      options.connectTo.append(*text);
    } else if (arg == u"--cookies") {
      if (!(text = value(i, arg))) return std::nullopt;
      options.cookieFile = *text;
    } else if (arg == u"--yes") {
      options.yes = true;
    } else if (arg == u"--csv") {
      if (!(text = value(i, arg))) return std::nullopt;
      options.csvFile = *text;
    } else if (arg == u"--albums") {
      if (!(text = value(i, arg))) return std::nullopt;
      if (!ParseAlbumRows(*text)) {
        error = QStringLiteral("--albums takes row numbers such as 1,3-5");
        return std::nullopt;
      }
      options.albums = *text;
    } else if (arg == u"--threads") {
      if (!(options.threads = number(i, arg, 1, 15))) return std::nullopt;
    } else if (arg == u"--timeout") {
      if (!(options.timeoutSec = number(i, arg, 10, 65535))) return std::nullopt;
    } else if (arg == u"--min-kb") {
      if (!(options.minKb = number(i, arg, 0, 65535))) return std::nullopt;
    } else if (arg == u"--max-kb") {
      if (!(options.maxKb = number(i, arg, 0, 65535))) return std::nullopt;
    } else if (arg == u"--list-only") {
      options.listOnly = true;
    } else if (arg == u"--name-list") {
      options.nameList = true;
    } else if (arg == u"--fix-format") {
      options.fixFormat = true;
    } else if (arg == u"--fix-order") {
      options.fixOrder = true;
    } else if (arg == u"--skip-old") {
      options.skipOld = true;
    } else if (arg.startsWith(u"--")) {
      error = QStringLiteral("unknown option ") + arg;
      return std::nullopt;
    } else {
      positional.append(arg);
    }
  }
  if (positional.isEmpty()) {
    error = QStringLiteral("no command given");
    return std::nullopt;
  }
  const QString command = positional.takeFirst();
  if (command == u"list" && positional.size() == 1) {
    options.command = CliOptions::Command::List;
    options.address = positional[0];
  } else if (command == u"download" && positional.size() == 2) {
    options.command = CliOptions::Command::Download;
    options.address = positional[0];
    options.folder = positional[1];
  } else if (command == u"demo" && positional.size() <= 1) {
    options.command = CliOptions::Command::Demo;
    options.folder = positional.value(0, QStringLiteral("lumvane-demo"));
  } else {
    error = QStringLiteral("wrong command or arguments: ") + (QStringList{command} + positional).join(u' ');
    return std::nullopt;
  }
  const bool downloadOnly = options.threads || options.timeoutSec || options.minKb || options.maxKb ||
                            options.listOnly || options.nameList || options.fixFormat || options.fixOrder ||
                            options.skipOld || !options.albums.isEmpty();
  if (downloadOnly && options.command != CliOptions::Command::Download) {
    error = QStringLiteral("download options belong to the download command");
    return std::nullopt;
  }
  if (!options.csvFile.isEmpty() && options.command != CliOptions::Command::List) {
    error = QStringLiteral("--csv belongs to the list command");
    return std::nullopt;
  }
  return options;
}

}  // namespace lumvane
