#pragma once
// What a press of the mouse on the grid is doing; the window's mouse handling
// sets it, and selection extends according to it.

namespace lumvane {

enum MouseMode : int {
  MOUSE_NOTHING = 0,
  MOUSE_SELECT_ALL = 1,
  MOUSE_SELECT_COL = 2,
  MOUSE_SELECT_ROW = 3,
  MOUSE_SELECT_CELLS = 4,
  MOUSE_OVER_ROW_DIVIDE = 6,
  MOUSE_SIZING_ROW = 7,
  MOUSE_OVER_COL_DIVIDE = 8,
  MOUSE_SIZING_COL = 9,
  MOUSE_PREPARE_EDIT = 10,
  MOUSE_PREPARE_DRAG = 11,
  MOUSE_DRAGGING = 12,
};

}  // namespace lumvane
