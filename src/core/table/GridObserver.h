#pragma once
// What a window showing the grid must hear from it. All calls come on the
// thread that changes the grid, which is the window's thread.

namespace lumvane {

class GridObserver {
 public:
  virtual ~GridObserver() = default;

  // One cell looks different; repaint it if it is in view.
  virtual void OnCellChanged(int row, int col) = 0;
  // Repaint everything.
  virtual void OnGridChanged() = 0;
  // Counts or sizes changed (rows appended too): cached positions are stale,
  // the scroll bars need recomputing and what moved needs painting. Sent
  // while drawing is off too; the window may defer the work until drawing
  // resumes.
  virtual void OnSizesChanged() = 0;
  // Scroll vertically so that `row` starts at the top of the scrolled area:
  // `offset` is the height of the non-fixed rows above it. Only when the
  // view is not already scrolled to its end.
  virtual void OnRevealRow(int row, int offset) = 0;
};

}  // namespace lumvane
