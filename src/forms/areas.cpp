#include "forms/areas.h"

#include <algorithm>

namespace forms {

std::optional<Area> WidenedOnImage(const Area& drawn, int margin, int width, int height) {
    const Area area{std::max(drawn.left - margin, 0), std::max(drawn.top - margin, 0), std::min(drawn.right + margin, width),
                    std::min(drawn.bottom + margin, height)};
    if (area.left >= area.right || area.top >= area.bottom) return std::nullopt;
    return area;
}

std::vector<Area> MergedByRows(std::vector<Area> areas) {
    std::sort(areas.begin(), areas.end(), [](const Area& a, const Area& b) { return a.top < b.top; });
    std::vector<Area> merged;
    for (const Area& area : areas) {
        if (merged.empty() || area.top > merged.back().bottom) {
            merged.push_back(area);
            continue;
        }
        Area& last = merged.back();
        last.left = std::min(last.left, area.left);
        last.right = std::max(last.right, area.right);
        last.bottom = std::max(last.bottom, area.bottom);
    }
    return merged;
}

}  // namespace forms
