#include "table/GridCell.h"

#include "table/GridDefaultCell.h"

namespace lumvane {

quint32 CGridCell::GetFormat() const {
  if (format_ == kFormatDefault) {
    if (const CGridDefaultCell* defaults = GetDefaultCell()) {
      return defaults->GetFormat();
    }
  }
  return format_;
}

void CGridCell::SetFont(const std::optional<CellFont>& font) {
  font_ = font.has_value() ? std::make_unique<CellFont>(*font) : nullptr;
}

CellFont CGridCell::GetFont() const {
  if (font_ == nullptr) {
    if (const CGridDefaultCell* defaults = GetDefaultCell()) {
      return defaults->GetFont();
    }
    return CellFont{};
  }
  return *font_;
}

int CGridCell::GetMargin() const {
  if (margin_ < 0) {
    if (const CGridDefaultCell* defaults = GetDefaultCell()) {
      return defaults->GetMargin();
    }
    return 0;
  }
  return margin_;
}

}  // namespace lumvane
