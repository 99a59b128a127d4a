// The about-text scroller: on every tick of Timer2 it builds one frame in the
// hidden picBody and copies it, centred, onto the face.
#include <algorithm>

#include "faces/face.h"

namespace tint::faces {

ScrollLimits ScrollLimits::For(std::int32_t bodyHeight) {
    // Worked out in double precision, then rounded to single: with a height of
    // 559 the bottom zone starts above 447.2, so a row at 447 is still middle.
    return {static_cast<float>(bodyHeight / 10.0), static_cast<float>((bodyHeight / 100.0) * 40),
            static_cast<float>((bodyHeight / 100.0) * 80)};
}

ScrollZone ScrollLimits::ZoneOf(float top) const {
    if (top <= forty) return top > tenth ? ScrollZone::Upper : ScrollZone::Top;
    return top >= eighty ? ScrollZone::Bottom : ScrollZone::Middle;
}

forms::Handle Face::LogoSource(ScrollZone zone) {
    switch (zone) {
        case ScrollZone::Upper: return memDC[1];                // the logo as loaded
        case ScrollZone::Middle: return picLogo(1).hDC();       // the bright copy
        case ScrollZone::Top:
        case ScrollZone::Bottom: break;
    }
    return picLogo(0).hDC();  // the dark copy
}

const Face::MeasuredRow& Face::Measure(int row) {
    if (measuredRows_.size() <= static_cast<size_t>(row)) measuredRows_.resize(static_cast<size_t>(row) + 1);
    MeasuredRow& measured = measuredRows_[static_cast<size_t>(row)];
    const double points = picBody.FontSize();
    if (measured.points != points) {
        const std::wstring& text = aboutLines[static_cast<size_t>(row)][0];
        // Measured first and kept after: a failing measure keeps nothing.
        const double width = picBody.TextWidth(text);
        const double height = picBody.TextHeight(text);
        measured = {points, width, height};
    }
    return measured;
}

void Face::PassOver(float height) {
    picBody.SetCurrentY(picBody.CurrentY() + height);
    picBody.SetCurrentX(0);
}

void Face::DrawTitle(const std::wstring& text, float height) {
    using forms::Skip;
    const std::int32_t x = forms::CLng(picBody.CurrentX());
    const std::int32_t y = forms::CLng(picBody.CurrentY());
    TitlePath& kept = titlePath_;
    // Kept and moved only while the title's top is on picBody, at 0 or
    // below: letters turned into a path higher up round their negative
    // coordinates otherwise than the kept path moved there would, and the
    // outline would differ by a pixel here and there.
    const bool keepable = y >= 0;
    const bool reuse = keepable && !kept.types.empty() && kept.points == picBody.FontSize() && kept.x == x;
    if (reuse) {
        Skip([&] {
            // Moved where it is kept, to the title's new height, and drawn
            // as its lines straight away: the same pixels as stroking it as a
            // path, without making one.
            for (size_t i = 1; i < kept.xy.size(); i += 2) kept.xy[i] += y - kept.y;
            kept.y = y;
            api_.PolyDraw(picBody.hDC(), kept.xy.data(), kept.types.data(), static_cast<std::int32_t>(kept.types.size()));
            PassOver(height);
        });
        return;
    }
    Skip([&] { api_.BeginPath(picBody.hDC()); });
    Skip([&] { picBody.Print(text); });
    Skip([&] { api_.EndPath(picBody.hDC()); });
    if (keepable) {
        // Stroking flattens the path anyway; flattened here, it is kept as
        // the lines that are stroked.
        Skip([&] {
            const forms::Handle dc = picBody.hDC();
            api_.FlattenPath(dc);
            const std::int32_t count = api_.GetPath(dc, nullptr, nullptr, 0);
            if (count <= 0) return;
            TitlePath made{picBody.FontSize(), x, y, std::vector<std::int32_t>(2 * static_cast<size_t>(count)),
                           std::vector<std::uint8_t>(static_cast<size_t>(count))};
            if (api_.GetPath(dc, made.xy.data(), made.types.data(), count) == count) kept = std::move(made);
        });
    }
    Skip([&] { api_.StrokePath(picBody.hDC()); });
}

std::vector<Face::Area> Face::Joined(std::vector<Area> areas) {
    std::sort(areas.begin(), areas.end(), [](const Area& a, const Area& b) { return a.top < b.top; });
    std::vector<Area> joined;
    for (const Area& area : areas) {
        if (joined.empty() || area.top > joined.back().bottom) {
            joined.push_back(area);
            continue;
        }
        Area& last = joined.back();
        last.left = std::min(last.left, area.left);
        last.right = std::max(last.right, area.right);
        last.bottom = std::max(last.bottom, area.bottom);
    }
    return joined;
}

void Face::PutBackground() {
    // Now and then the whole frame, whatever is known: should a system's
    // bounds or paints ever miss a pixel, it stays wrong for a second at most.
    if (++ticksSinceWhole_ >= kTicksBetweenWholeFrames) {
        ticksSinceWhole_ = 0;
        bodyKnown_ = false;
        faceCurrent_ = false;
    }
    drawnNow_.clear();
    drawnKnown_ = false;
    forms::Skip([&] {
        const forms::Handle dc = picBody.hDC();
        bool restored = true;
        if (!bodyKnown_) {
            restored = api_.BitBlt(dc, 0, 0, bodyWidth, bodyHeight, memDC[0], 0, 0, forms::kSrcCopy) != 0;
        } else {
            for (const Area& a : Joined(drawnBefore_)) {
                restored = api_.BitBlt(dc, a.left, a.top, a.right - a.left, a.bottom - a.top, memDC[0], a.left, a.top, forms::kSrcCopy) != 0 &&
                           restored;
            }
        }
        // From here on GDI gathers where the tick draws. A background not
        // wholly put back leaves the frame unknown.
        drawnKnown_ = restored && api_.SetBoundsRect(dc, forms::kDcbReset | forms::kDcbEnable) != 0;
    });
}

void Face::NoteDrawn() {
    if (!drawnKnown_) return;
    std::int32_t ltrb[4] = {};
    std::uint32_t state = 0;
    forms::Skip([&] { state = api_.GetBoundsRect(picBody.hDC(), ltrb, forms::kDcbReset); });
    if (state == 0) {
        drawnKnown_ = false;
        return;
    }
    if ((state & forms::kDcbSet) != forms::kDcbSet) return;  // nothing drawn
    // A margin, for a system whose bounds might leave out an antialiased
    // edge; what lies beyond picBody's edges was clipped away.
    const Area area{std::max(ltrb[0] - kMargin, 0), std::max(ltrb[1] - kMargin, 0), std::min(ltrb[2] + kMargin, bodyWidth),
                    std::min(ltrb[3] + kMargin, bodyHeight)};
    if (area.left < area.right && area.top < area.bottom) drawnNow_.push_back(area);
}

void Face::CopyFrame() {
    // Whatever was drawn since the last note, so that no drawing goes unseen.
    NoteDrawn();
    const bool changesKnown = faceCurrent_ && bodyKnown_ && drawnKnown_;
    bodyKnown_ = drawnKnown_;
    drawnBefore_.swap(drawnNow_);
    faceCurrent_ = false;
    forms::Skip([&] {
        const double offX = (ScaleWidth() - bodyWidth) / 2;
        const double offY = (ScaleHeight() - bodyHeight) / 2;
        const std::array<std::int32_t, 2> at{forms::CLng(offX), forms::CLng(offY)};
        const forms::Handle face = hDC();
        bool copied = true;
        if (!changesKnown || at != faceAt_) {
            copied = api_.BitBlt(face, at[0], at[1], bodyWidth, bodyHeight, picBody.hDC(), 0, 0, forms::kSrcCopy) != 0;
        } else {
            // What this frame drew and what the last one drew, both kept now.
            std::vector<Area> changed = drawnBefore_;
            changed.insert(changed.end(), drawnNow_.begin(), drawnNow_.end());
            for (const Area& a : Joined(std::move(changed))) {
                copied = api_.BitBlt(face, at[0] + a.left, at[1] + a.top, a.right - a.left, a.bottom - a.top, picBody.hDC(), a.left, a.top,
                                     forms::kSrcCopy) != 0 &&
                         copied;
            }
        }
        faceCurrent_ = copied;
        faceAt_ = at;
    });
}

// A paint or an erase fills the face with its back colour, the frame's place too.
void Face::Form_Paint() { faceCurrent_ = false; }

void Face::Timer2_Timer() {
    using forms::Skip;
    // A hidden face's frames never reach the screen, so it draws nothing; its
    // text moves on and picBody's position, size and colour follow the rows
    // as on a shown face, and the tick after it is shown draws a whole frame.
    const bool shown = Visible();
    if (shown) PutBackground();
    float rowOffset = 0;
    double red = 0, green = 0, blue = 0;
    double logoW = 0, logoH = 0, logoX = 0, logoY = 0;
    const ScrollLimits limits = ScrollLimits::For(bodyHeight);
    const int lastRow = static_cast<int>(aboutLines.size()) - 1;

    for (int row = 0; row <= lastRow; ++row) {
        const std::wstring& text = aboutLines[row][0];
        const std::wstring& size = aboutLines[row][1];
        // An empty size cannot be converted and the size in force stays; it
        // is several rows of every tick, so it is not left to fail.
        if (!size.empty()) Skip([&] { picBody.SetFontSize(forms::CInt(size)); });
        Skip([&] { picBody.SetCurrentX(static_cast<float>(bodyWidth / 2.0 - Measure(row).width / 2.0)); });
        Skip([&] { picBody.SetCurrentY(static_cast<float>(scrollTop + static_cast<double>(rowOffset))); });
        Skip([&] { logoW = picLogo(0).ScaleWidth(); });
        Skip([&] { logoH = picLogo(0).ScaleHeight(); });
        Skip([&] { logoX = picBody.CurrentX() - logoW / 2; });
        Skip([&] { logoY = picBody.CurrentY() + 10; });

        if (row == 1) {
            // The logo comes from the zone of the row's top; the row's own
            // colour below is judged after the row has made room for it.
            if (shown) {
                Skip([&] {
                    forms::Handle source = LogoSource(limits.ZoneOf(picBody.CurrentY()));
                    api_.BitBlt(picBody.hDC(), forms::CLng(logoX), forms::CLng(logoY), forms::CLng(logoW), forms::CLng(logoH), source, 0,
                                0, forms::kSrcCopy);
                });
                NoteDrawn();
            }
            Skip([&] { rowOffset = rowOffset + static_cast<float>(picLogo(0).ScaleHeight()) + 20.0f; });
            Skip([&] { picBody.SetCurrentY(static_cast<float>(scrollTop + static_cast<double>(rowOffset))); });
        }

        const float top = picBody.CurrentY();
        const ScrollZone zone = limits.ZoneOf(top);
        switch (zone) {
            case ScrollZone::Top:
                red = 255;
                green = 100;
                blue = 100;
                break;
            case ScrollZone::Upper:
                // Blue rises with the row; red and green stay the top zone's,
                // so this zone runs from pink (255, 100, 143) at its upper
                // edge to magenta (255, 100, 255) from 100 pixels down. A
                // row here would otherwise take whatever red and green a row
                // above it left, and none at all at the start of a pass.
                red = 255;
                green = 100;
                blue = (255.0 / 100.0) * top;
                break;
            case ScrollZone::Middle:
                red = profile_.middleZoneColour.red;
                green = profile_.middleZoneColour.green;
                blue = profile_.middleZoneColour.blue;
                break;
            case ScrollZone::Bottom: red = green = blue = (bodyHeight - static_cast<double>(top)) * 3 + 80; break;
        }
        bool restart = false;
        if (zone == ScrollZone::Top) {
            Skip([&] { restart = row == lastRow && top < Measure(row).height; });
        }
        if (restart) {
            // One more than the start, which the step below takes back.
            scrollTop = scrollStart + 1;
            break;
        }

        Skip([&] { rowOffset = rowOffset + static_cast<float>(Measure(row).height + lineGap); });
        if (red > 255) red = 255;
        if (green > 255) green = 255;
        if (blue > 255) blue = 255;
        // A negative channel (a row far below the bottom edge) fails, and the
        // row keeps the colour of the row before; asked first, as most rows
        // of a pass's first ticks are such rows.
        if (forms::RGBAccepts(red, green, blue)) Skip([&] { picBody.SetForeColor(forms::RGB(red, green, blue)); });

        // A row lies within its own height and what its letters overhang;
        // one row height of margin each side keeps every row whose pixels
        // can reach the frame.
        bool seen = shown;
        Skip([&] {
            const double height = Measure(row).height;
            seen = shown && top - height < bodyHeight && top + 2 * height > 0;
        });
        if (!seen) {
            Skip([&] { PassOver(static_cast<float>(Measure(row).height)); });
        } else if (row == 0) {
            // The title: its letters become a path and only their outline is drawn.
            float height = 0;
            Skip([&] { height = static_cast<float>(Measure(row).height); });
            DrawTitle(text, height);
            NoteDrawn();
        } else {
            Skip([&] { picBody.Print(text); });
            NoteDrawn();
        }
        if (stopRequested != forms::False) break;
    }

    Skip([&] { scrollTop = scrollTop - 1; });
    if (shown) {
        CopyFrame();
    } else {
        bodyKnown_ = false;
        faceCurrent_ = false;
    }
}

}  // namespace tint::faces
