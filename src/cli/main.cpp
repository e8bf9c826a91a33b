#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "cli/CliCommands.h"
#include "cli/CliOptions.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  using lumvane::CliOptions;
  QString error;
  const auto options = lumvane::ParseCliOptions(app.arguments().mid(1), error);
  if (!options) {
    QTextStream(stderr) << "lumvane-cli: " << error << "\n\n" << lumvane::kCliUsage;
    return 1;
  }
  switch (options->command) {
    case CliOptions::Command::Help:
      QTextStream(stdout) << lumvane::kCliUsage;
      return 0;
    case CliOptions::Command::Version:
      QTextStream(stdout) << "lumvane-cli " << LUMVANE_VERSION << '\n';
      return 0;
    case CliOptions::Command::List:
      return lumvane::RunList(*options);
    case CliOptions::Command::Download:
      return lumvane::RunDownload(*options);
    case CliOptions::Command::Demo:
      return lumvane::RunDemo(*options);
    case CliOptions::Command::None:
      break;
  }
  QTextStream(stderr) << lumvane::kCliUsage;
  return 1;
}
