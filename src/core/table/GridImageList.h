#pragma once
// The pictures cells may show, as far as the model needs them: their sizes.
// The window owns the pictures and implements this.

#include <QSize>
#include <optional>

namespace lumvane {

class GridImageList {
 public:
  virtual ~GridImageList() = default;

  // Size of picture `image`, or nothing when the list has no such picture.
  virtual std::optional<QSize> ImageSize(int image) const = 0;
};

}  // namespace lumvane
