#pragma once
// Several properties of one cell set in one call (`ApplyItemInfo`).

#include <QString>
#include <QtGlobal>

#include "table/CellFont.h"
#include "table/GridColor.h"

namespace lumvane {

enum GridItemMask : quint32 {
  ITEM_TEXT = 0x001,
  ITEM_IMAGE = 0x002,
  ITEM_DATA = 0x004,
  ITEM_STATE = 0x008,
  ITEM_BACKCOLOR = 0x010,
  ITEM_TEXTCOLOR = 0x020,
  ITEM_FORMAT = 0x040,
  ITEM_FONT = 0x080,
  ITEM_MARGIN = 0x100,
};

struct GRIDITEMINFO {
  int row = -1;
  int col = -1;
  quint32 mask = 0;
  quint32 state = 0;
  quint32 format = 0;
  int image = -1;
  GridColor backColor = CLR_DEFAULT;
  GridColor textColor = CLR_DEFAULT;
  qintptr data = 0;
  CellFont font;
  int margin = -1;
  QString text;
};

}  // namespace lumvane
