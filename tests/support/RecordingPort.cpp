#include "support/RecordingPort.h"

namespace lumvane {

MessageAnswer RecordingPort::MessageBox(const QString& text, const QString& caption, MessageButtons buttons) {
  std::lock_guard lock(mutex_);
  messages_.append({text, caption, buttons});
  return buttons == MessageButtons::YesNo ? answer_ : MessageAnswer::Ok;
}

void RecordingPort::OpenInShell(const QString& target) {
  std::lock_guard lock(mutex_);
  opened_.append(target);
}

void RecordingPort::OpenLogin(const QString& address) {
  std::lock_guard lock(mutex_);
  logins_.append(address);
}

void RecordingPort::AnswerQuestions(MessageAnswer answer) {
  std::lock_guard lock(mutex_);
  answer_ = answer;
}

QList<RecordingPort::Message> RecordingPort::Messages() {
  std::lock_guard lock(mutex_);
  return messages_;
}

QStringList RecordingPort::MessageTexts() {
  std::lock_guard lock(mutex_);
  QStringList texts;
  for (const Message& message : messages_) texts.append(message.text);
  return texts;
}

QStringList RecordingPort::Opened() {
  std::lock_guard lock(mutex_);
  return opened_;
}

QStringList RecordingPort::Logins() {
  std::lock_guard lock(mutex_);
  return logins_;
}

QStringList RecordingPort::TextHistory(int id) {
  std::lock_guard lock(mutex_);
  return texts_.value(id);
}

void RecordingPort::OnTextChanged(int id, const QString& text) {
  std::lock_guard lock(mutex_);
  texts_[id].append(text);
}

}  // namespace lumvane
