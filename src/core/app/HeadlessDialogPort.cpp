#include "app/HeadlessDialogPort.h"

#include "app/ControlIds.h"

namespace lumvane {

HeadlessDialogPort::HeadlessDialogPort() {
  // As the main window's template has them.
  controls_[IDC_DOWNLOAD].enabled = false;
  for (int id : {IDC_PRAISE_LINK1, IDC_PRAISE_LINK2, IDC_PRAISE_LINK3, IDC_UPDATE_LINK}) controls_[id].visible = false;
  controls_[IDC_QQ_KIND].visible = false;
  controls_[IDC_SOURCE].currentIndex = 3;
}

void HeadlessDialogPort::SetControlText(int id, const QString& text) {
  {
    std::lock_guard lock(mutex_);
    Control& control = controls_[id];
    if (control.text == text) return;
    control.text = text;
  }
  OnTextChanged(id, text);
}

QString HeadlessDialogPort::ControlText(int id) {
  std::lock_guard lock(mutex_);
  return controls_.value(id).text;
}

void HeadlessDialogPort::EnableControl(int id, bool enable) {
  std::lock_guard lock(mutex_);
  controls_[id].enabled = enable;
}

bool HeadlessDialogPort::IsControlEnabled(int id) {
  std::lock_guard lock(mutex_);
  return controls_.value(id).enabled;
}

void HeadlessDialogPort::ShowControl(int id, bool show) {
  std::lock_guard lock(mutex_);
  controls_[id].visible = show;
}

bool HeadlessDialogPort::IsControlVisible(int id) {
  std::lock_guard lock(mutex_);
  return controls_.value(id).visible;
}

void HeadlessDialogPort::SetChecked(int id, bool checked) {
  std::lock_guard lock(mutex_);
  controls_[id].checked = checked;
}

bool HeadlessDialogPort::IsChecked(int id) {
  std::lock_guard lock(mutex_);
  return controls_.value(id).checked;
}

int HeadlessDialogPort::CurrentIndex(int id) {
  std::lock_guard lock(mutex_);
  return controls_.value(id).currentIndex;
}

void HeadlessDialogPort::AddCandidate(int id, const QString& text) {
  std::lock_guard lock(mutex_);
  controls_[id].candidates.append(text);
}

void HeadlessDialogPort::ClearCandidates(int id) {
  std::lock_guard lock(mutex_);
  controls_[id].candidates.clear();
}

QStringList HeadlessDialogPort::Candidates(int id) {
  std::lock_guard lock(mutex_);
  return controls_.value(id).candidates;
}

void HeadlessDialogPort::WithTable(const std::function<void(CMyGridCtrl&)>& action) {
  std::lock_guard lock(tableMutex_);
  action(table_);
}

void HeadlessDialogPort::DownloadDone(qint64 /*elapsedSeconds*/, int /*total*/) {}

}  // namespace lumvane
