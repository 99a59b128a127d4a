#include "faces/title_outline.h"

namespace tint::faces {

void MovePastRow(forms::PictureBox& box, float height) {
    box.SetCurrentY(box.CurrentY() + height);
    box.SetCurrentX(0);
}

void TitleOutline::Draw(forms::PictureBox& box, const std::wstring& text, float height) {
    using forms::Skip;
    const std::int32_t x = forms::CLng(box.CurrentX());
    const std::int32_t y = forms::CLng(box.CurrentY());
    // Kept and moved only while the title's top is on the box, at 0 or
    // below: letters turned into a path higher up round their negative
    // coordinates otherwise than the kept path moved there would, and the
    // outline would differ by a pixel here and there.
    const bool keepable = y >= 0;
    if (keepable && !types_.empty() && points_ == box.FontSize() && x_ == x) {
        Skip([&] {
            for (size_t i = 1; i < xy_.size(); i += 2) xy_[i] += y - y_;
            y_ = y;
            api_.PolyDraw(box.hDC(), xy_.data(), types_.data(), static_cast<std::int32_t>(types_.size()));
            MovePastRow(box, height);
        });
        return;
    }
    Skip([&] { api_.BeginPath(box.hDC()); });
    Skip([&] { box.Print(text); });
    Skip([&] { api_.EndPath(box.hDC()); });
    if (keepable) {
        // Stroking flattens the path anyway; flattened here, it is kept as
        // the lines that are stroked.
        Skip([&] {
            const forms::Handle dc = box.hDC();
            api_.FlattenPath(dc);
            const std::int32_t count = api_.GetPath(dc, nullptr, nullptr, 0);
            if (count <= 0) return;
            std::vector<std::int32_t> xy(2 * static_cast<size_t>(count));
            std::vector<std::uint8_t> types(static_cast<size_t>(count));
            if (api_.GetPath(dc, xy.data(), types.data(), count) != count) return;
            points_ = box.FontSize();
            x_ = x;
            y_ = y;
            xy_ = std::move(xy);
            types_ = std::move(types);
        });
    }
    Skip([&] { api_.StrokePath(box.hDC()); });
}

}  // namespace tint::faces
