#pragma once
// Bits of a cell's state word.

#include <QtGlobal>

namespace lumvane {

enum CellStateBit : quint32 {
  CELL_FOCUSED = 0x01,
  CELL_SELECTED = 0x02,
  CELL_DROPTARGET = 0x04,
  CELL_READONLY = 0x08,
  CELL_FIXED = 0x10,
  CELL_FIXEDROW = 0x20,
  CELL_FIXEDCOL = 0x40,
  CELL_MODIFIED = 0x80,
};

}  // namespace lumvane
