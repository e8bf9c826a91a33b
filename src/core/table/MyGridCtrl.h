#pragma once
// The album table: the grid set up for albums, with the keyword search and
// the CSV export.

#include <QByteArray>
#include <functional>

#include "table/GridCtrl.h"

namespace lumvane {

class CMyGridCtrl : public CGridCtrl {
 public:
  // Shows a message to the user; the window sets it (the table has no
  // message boxes of its own).
  using MessageHandler = std::function<void(const QString& text)>;

  void SetMessageHandler(MessageHandler handler) { showMessage_ = std::move(handler); }

  // Sets the table up: counts, colours and the switches of the album table.
  void PrepareTable(int fixedRows, int rows, int cols, bool rowMode);

  // Searches the rows after (forward) or before `startRow` for a cell holding
  // `keyword` (the whole cell with wholeCell) and selects and reveals the
  // first such row. With ignoreCase the keyword is lower-cased in place. An
  // empty keyword is reported to the user and counts as found, so that the
  // caller does not search again from the other end.
  bool FindInTable(int startRow, QString& keyword, bool forward, bool ignoreCase, bool wholeCell);

  // The CSV bytes of every row but row 0, in code page 936.
  QByteArray CsvBytes() const;
  // Writes CsvBytes() to `path`, replacing the file; false when it cannot.
  bool ExportCsv(const QString& path) const;

 private:
  MessageHandler showMessage_;
};

}  // namespace lumvane
