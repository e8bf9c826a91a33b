#pragma once
// Runs the built lumvane-cli as a separate process, in a folder of the
// test's choosing, and collects what it printed.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lumvane {

struct CliResult {
  int exitCode = -1;
  QByteArray out;  // standard output as printed
  QStringList outLines;
  QStringList errLines;
};

// Runs `lumvane-cli args…` with `folder` as its current folder and waits
// for it to end.
CliResult RunCli(const QString& folder, const QStringList& args);

// "--connect-to" options sending every host of the sample site to
// 127.0.0.1:`port`, except `otherHost`, which goes to `otherPort`.
QStringList ConnectToArgs(quint16 port, const QByteArray& otherHost = {}, quint16 otherPort = 0);

}  // namespace lumvane
