// The about text's title as outlined letters: BeginPath, Print, EndPath and
// StrokePath on a picture box, the letters' path stroked with the pen of its
// ForeColor. Turning letters into a path is most of what the title costs,
// and from tick to tick only its height changes; so the outline is kept as
// the straight lines that stroking draws, with the size and place it was
// made at, and drawn again moved to the title's new height: the same pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "forms/forms.h"
#include "forms/win_api.h"

namespace tint::faces {

class TitleOutline {
public:
    explicit TitleOutline(forms::WinApi& api) : api_(api) {}

    // At box's CurrentX and CurrentY, which it leaves as Print of a row of
    // that height would. In skip mode: a failing call is skipped.
    void Draw(forms::PictureBox& box, const std::wstring& text, float height);

private:
    forms::WinApi& api_;
    double points_ = 0;
    std::int32_t x_ = 0, y_ = 0;
    std::vector<std::int32_t> xy_;
    std::vector<std::uint8_t> types_;
};

// Where Print of a row of that height would leave box's position.
void MovePastRow(forms::PictureBox& box, float height);

}  // namespace tint::faces
