#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace {

const char kUsage[] =
    "Usage: lumvane-cli [--help] [--version]\n";

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  QTextStream out(stdout);
  if (args.contains(QStringLiteral("--version"))) {
    out << "lumvane-cli " << LUMVANE_VERSION << "\n";
    return 0;
  }
  if (args.isEmpty() || args.contains(QStringLiteral("--help"))) {
    out << kUsage;
    return args.isEmpty() ? 1 : 0;
  }
  QTextStream(stderr) << kUsage;
  return 1;
}
