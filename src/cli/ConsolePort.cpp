#include "cli/ConsolePort.h"

#include <cstdio>

#include "app/ControlIds.h"

namespace lumvane {

ConsolePort::ConsolePort(bool answerYes) : answerYes_(answerYes), err_(stderr), out_(stdout) {}

void ConsolePort::PrintError(const QString& line) {
  std::lock_guard lock(printMutex_);
  err_ << line << '\n';
  err_.flush();
}

void ConsolePort::OnTextChanged(int id, const QString& text) {
  if ((id == IDC_STATUS1 || id == IDC_STATUS2) && !text.isEmpty()) PrintError(text);
}

MessageAnswer ConsolePort::MessageBox(const QString& text, const QString& /*caption*/, MessageButtons buttons) {
  // A message of several lines stays one line on the console.
  QString line = text;
  line.replace(u'\n', u' ');
  if (buttons == MessageButtons::YesNo) {
    PrintError(line + (answerYes_ ? QStringLiteral(" [yes]") : QStringLiteral(" [no]")));
    return answerYes_ ? MessageAnswer::Yes : MessageAnswer::No;
  }
  PrintError(line);
  return MessageAnswer::Ok;
}

void ConsolePort::OpenInShell(const QString& target) {
  std::lock_guard lock(printMutex_);
  out_ << target << '\n';
  out_.flush();
}

void ConsolePort::OpenLogin(const QString& address) { PrintError(QStringLiteral("需要登录: ") + address); }

}  // namespace lumvane
