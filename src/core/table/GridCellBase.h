#pragma once
// The interface of every cell of a grid: its texts, pictures, colours and
// state, and how large it wants to be.

#include <QSize>
#include <QString>
#include <optional>

#include "table/CellFont.h"
#include "table/CellState.h"
#include "table/GridColor.h"

namespace lumvane {

class CGridCtrl;
class CGridDefaultCell;

class CGridCellBase {
 public:
  CGridCellBase() = default;
  CGridCellBase(const CGridCellBase&) = delete;
  CGridCellBase& operator=(const CGridCellBase&) = delete;
  virtual ~CGridCellBase() = default;

  virtual void SetText(const QString& text) = 0;
  virtual void SetImage(int image) = 0;
  virtual void SetData(qintptr data) = 0;
  virtual void SetState(quint32 state) { state_ = state; }
  virtual void SetFormat(quint32 flags) = 0;
  virtual void SetTextColor(GridColor colour) = 0;
  virtual void SetBackColor(GridColor colour) = 0;
  // Nothing: the default cell's font applies.
  virtual void SetFont(const std::optional<CellFont>& font) = 0;
  virtual void SetMargin(int pixels) = 0;
  virtual void SetGrid(CGridCtrl* grid) = 0;

  virtual QString GetText() const = 0;
  virtual int GetImage() const = 0;
  virtual qintptr GetData() const = 0;
  virtual quint32 GetState() const { return state_; }
  // The own format, or the default cell's when the own is kFormatDefault.
  virtual quint32 GetFormat() const = 0;
  // Own colours, CLR_DEFAULT included: the painter resolves them.
  virtual GridColor GetTextColor() const = 0;
  virtual GridColor GetBackColor() const = 0;
  // The own font, else the default cell's.
  virtual CellFont GetFont() const = 0;
  // The own margin, else the default cell's.
  virtual int GetMargin() const = 0;
  virtual CGridCtrl* GetGrid() const = 0;
  virtual bool UsesDefaultFont() const = 0;
  // The grid's defaults for this cell's region, chosen by its fixed bits;
  // null without a grid.
  virtual const CGridDefaultCell* GetDefaultCell() const;

  bool IsFocused() const { return (GetState() & CELL_FOCUSED) != 0; }
  bool IsFixed() const { return (GetState() & CELL_FIXED) != 0; }
  bool IsFixedCol() const { return (GetState() & CELL_FIXEDCOL) != 0; }
  bool IsFixedRow() const { return (GetState() & CELL_FIXEDROW) != 0; }
  bool IsSelected() const { return (GetState() & CELL_SELECTED) != 0; }
  bool IsReadOnly() const { return (GetState() & CELL_READONLY) != 0; }
  bool IsModified() const { return (GetState() & CELL_MODIFIED) != 0; }
  bool IsDropTarget() const { return (GetState() & CELL_DROPTARGET) != 0; }

  // Thumbnail cells lay their text out below the picture instead of beside it.
  bool IsImageAboveText() const { return imageAboveText_; }
  void SetImageAboveText(bool above) { imageAboveText_ = above; }

  // Size of `text` in this cell's font and format, margins included; `col`
  // gives the width available to text that wraps, -1 for its widest line.
  virtual QSize MeasureText(const QString& text, int col) const;
  // Size the cell needs for its text and picture.
  virtual QSize MeasureCell(int col) const;

 private:
  quint32 state_ = 0;
  bool imageAboveText_ = false;
};

}  // namespace lumvane
