#pragma once
// The main window on a console: status lines and messages go to standard
// error, one line each; questions take their default answer (No) unless
// the user said --yes; what the window would open is printed.

#include <QTextStream>
#include <mutex>

#include "app/HeadlessDialogPort.h"

namespace lumvane {

class ConsolePort : public HeadlessDialogPort {
 public:
  explicit ConsolePort(bool answerYes);

  MessageAnswer MessageBox(const QString& text, const QString& caption, MessageButtons buttons) override;
  void OpenInShell(const QString& target) override;
  void OpenLogin(const QString& address) override;

 protected:
  void OnTextChanged(int id, const QString& text) override;

 private:
  void PrintError(const QString& line);

  const bool answerYes_;
  std::mutex printMutex_;
  QTextStream err_;
  QTextStream out_;
};

}  // namespace lumvane
