#pragma once
// A window without a screen: keeps every control's text, enable, show and
// check state and the album table in memory. The command line and the
// tests build on it; every call is safe from any thread.

#include <QHash>
#include <QStringList>
#include <mutex>

#include "app/DialogPort.h"
#include "table/MyGridCtrl.h"

namespace lumvane {

class HeadlessDialogPort : public DialogPort {
 public:
  HeadlessDialogPort();

  void SetControlText(int id, const QString& text) override;
  QString ControlText(int id) override;
  void EnableControl(int id, bool enable) override;
  void ShowControl(int id, bool show) override;
  bool IsControlVisible(int id) override;
  void SetChecked(int id, bool checked) override;
  bool IsChecked(int id) override;
  int CurrentIndex(int id) override;
  void AddCandidate(int id, const QString& text) override;
  void ClearCandidates(int id) override;
  void WithTable(const std::function<void(CMyGridCtrl&)>& action) override;
  void DownloadDone(qint64 elapsedSeconds, int total) override;

  bool IsControlEnabled(int id);
  QStringList Candidates(int id);

 protected:
  // Called after a control's text changed, outside the lock.
  virtual void OnTextChanged(int id, const QString& text) {}

 private:
  struct Control {
    QString text;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    int currentIndex = -1;
    QStringList candidates;
  };

  std::mutex mutex_;
  QHash<int, Control> controls_;
  std::mutex tableMutex_;
  CMyGridCtrl table_;
};

}  // namespace lumvane
