#pragma once
// A main window for tests: remembers every message box, every text each
// control was given and everything opened, and answers questions as told.

#include <QList>
#include <QStringList>

#include "app/HeadlessDialogPort.h"

namespace lumvane {

class RecordingPort : public HeadlessDialogPort {
 public:
  struct Message {
    QString text;
    QString caption;
    MessageButtons buttons;
  };

  MessageAnswer MessageBox(const QString& text, const QString& caption, MessageButtons buttons) override;
  void OpenInShell(const QString& target) override;
  void OpenLogin(const QString& address) override;

  // The answer to Yes/No questions (No unless told).
  void AnswerQuestions(MessageAnswer answer);
  QList<Message> Messages();
  QStringList MessageTexts();
  QStringList Opened();
  QStringList Logins();
  // Every text control `id` was given, in order.
  QStringList TextHistory(int id);

 protected:
  void OnTextChanged(int id, const QString& text) override;

 private:
  std::mutex mutex_;
  MessageAnswer answer_ = MessageAnswer::No;
  QList<Message> messages_;
  QStringList opened_;
  QStringList logins_;
  QHash<int, QStringList> texts_;
};

}  // namespace lumvane
