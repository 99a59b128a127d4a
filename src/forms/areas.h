// Parts of an image that drawings reached, and the rules by which they are
// put back and copied as few blocks: portable, so that they are tested
// without a window system.
#pragma once

#include <optional>
#include <vector>

namespace forms {

// Right and bottom edges excluded.
struct Area {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const Area&) const = default;
};

// Grown by margin each side, for a system whose bounds might leave out an
// antialiased edge, then clipped to an image of width by height; nothing
// when no pixel of it is left on the image.
std::optional<Area> WidenedOnImage(const Area& drawn, int margin, int width, int height);

// Sorted from the top; areas whose rows overlap or touch become one, as wide
// as the widest: one copy each, and each row copied once.
std::vector<Area> MergedByRows(std::vector<Area> areas);

}  // namespace forms
