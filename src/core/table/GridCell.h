#pragma once
// The ordinary cell: own text, data, picture and look, each falling back to
// the grid's default cell where it is left unset.

#include <memory>

#include "table/DrawTextFlags.h"
#include "table/GridCellBase.h"

namespace lumvane {

class CGridCell : public CGridCellBase {
 public:
  CGridCell() = default;

  void SetText(const QString& text) override { text_ = text; }
  void SetImage(int image) override { image_ = image; }
  void SetData(qintptr data) override { data_ = data; }
  void SetFormat(quint32 flags) override { format_ = flags; }
  void SetTextColor(GridColor colour) override { textColor_ = colour; }
  void SetBackColor(GridColor colour) override { backColor_ = colour; }
  void SetFont(const std::optional<CellFont>& font) override;
  void SetMargin(int pixels) override { margin_ = pixels; }
  void SetGrid(CGridCtrl* grid) override { grid_ = grid; }

  QString GetText() const override { return text_; }
  int GetImage() const override { return image_; }
  qintptr GetData() const override { return data_; }
  quint32 GetFormat() const override;
  GridColor GetTextColor() const override { return textColor_; }
  GridColor GetBackColor() const override { return backColor_; }
  CellFont GetFont() const override;
  int GetMargin() const override;
  CGridCtrl* GetGrid() const override { return grid_; }
  bool UsesDefaultFont() const override { return font_ == nullptr; }

 private:
  QString text_;
  qintptr data_ = 0;
  int image_ = -1;
  quint32 format_ = kFormatDefault;
  GridColor textColor_ = CLR_DEFAULT;
  GridColor backColor_ = CLR_DEFAULT;
  std::unique_ptr<CellFont> font_;  // a pointer keeps the many cells without a font small
  int margin_ = -1;
  CGridCtrl* grid_ = nullptr;
};

}  // namespace lumvane
