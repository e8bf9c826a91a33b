#pragma once
// Text layout flags of a cell's format word; the window maps them to its
// own text drawing.

#include <QtGlobal>

namespace lumvane {

enum DrawTextFlag : quint32 {
  DT_LEFT = 0x0000,
  DT_CENTER = 0x0001,
  DT_RIGHT = 0x0002,
  DT_VCENTER = 0x0004,
  DT_BOTTOM = 0x0008,
  DT_WORDBREAK = 0x0010,
  DT_SINGLELINE = 0x0020,
  DT_NOPREFIX = 0x0800,
  DT_END_ELLIPSIS = 0x8000,
};

// A format word of all ones: the default cell's format applies.
constexpr quint32 kFormatDefault = 0xFFFFFFFFu;

}  // namespace lumvane
