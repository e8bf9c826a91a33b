#include "CliRun.h"

#include <QProcess>

#include "samplesite/SampleSite.h"

namespace lumvane {
namespace {

constexpr int kRunTimeoutMs = 120000;

QStringList Lines(const QByteArray& bytes) {
  QStringList lines = QString::fromUtf8(bytes).split(u'\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace

CliResult RunCli(const QString& folder, const QStringList& args) {
  QProcess process;
  process.setWorkingDirectory(folder);
  process.start(QStringLiteral(LUMVANE_CLI_PATH), args);
  CliResult result;
  if (!process.waitForFinished(kRunTimeoutMs) || process.exitStatus() != QProcess::NormalExit) {
    process.kill();
    process.waitForFinished();
    return result;
  }
  result.exitCode = process.exitCode();
  result.out = process.readAllStandardOutput();
  result.outLines = Lines(result.out);
  result.errLines = Lines(process.readAllStandardError());
  return result;
}

QStringList ConnectToArgs(quint16 port, const QByteArray& otherHost, quint16 otherPort) {
  QStringList args;
  for (const QByteArray& host : SampleSite::HostNames()) {
    const quint16 to = host == otherHost ? otherPort : port;
    args << QStringLiteral("--connect-to") << SampleSite::ConnectToMapping(host, to);
  }
  return args;
}

}  // namespace lumvane
