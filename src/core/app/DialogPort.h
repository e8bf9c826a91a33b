#pragma once
// The only way jobs reach the main window. The Qt window runs each call on
// its UI thread and waits for it; the command line answers on the console;
// tests record the calls. Every call may come from any thread.

#include <QString>
#include <functional>

namespace lumvane {

class CMyGridCtrl;

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class DialogPort {
 public:
  virtual ~DialogPort() = default;

  virtual void SetControlText(int id, const QString& text) = 0;
  virtual QString ControlText(int id) = 0;
  virtual void EnableControl(int id, bool enable) = 0;
  virtual void ShowControl(int id, bool show) = 0;
  virtual bool IsControlVisible(int id) = 0;
  virtual void SetChecked(int id, bool checked) = 0;
  virtual bool IsChecked(int id) = 0;
  // Selected item of a list control, -1 when none.
  virtual int CurrentIndex(int id) = 0;

  // Adds a suggestion to the address box (1001) or the save-path box (1000).
  virtual void AddCandidate(int id, const QString& text) = 0;
  virtual void ClearCandidates(int id) = 0;

  // Modal message box; returns the button pressed.
  virtual MessageAnswer MessageBox(const QString& text, const QString& caption, MessageButtons buttons) = 0;
  // Opens a folder or web address with the desktop's default handler.
  virtual void OpenInShell(const QString& target) = 0;
  // WM_OPEN_LOGIN: opens the sign-in window at `address` and returns when
  // the user has closed it.
  virtual void OpenLogin(const QString& address) = 0;
  // WM_DOWNLOAD_DONE: an engine run ended.
  virtual void DownloadDone(qint64 elapsedSeconds, int total) = 0;

  // Runs `action` on the album table where the window keeps it (on the UI
  // thread in the Qt window), and returns when it is done.
  virtual void WithTable(const std::function<void(CMyGridCtrl&)>& action) = 0;
};

}  // namespace lumvane
