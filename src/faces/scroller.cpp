// The about-text scroller: on every tick of Timer2 it builds one frame in the
// hidden picBody and copies it, centred, onto the face in one block.
#include "faces/face.h"

#include <algorithm>

namespace tint::faces {

namespace {

// The text moves up this many pixels a tick. A restart leaves it one step
// below the start, which the same tick's step takes back.
constexpr std::int32_t kScrollStep = 1;

}  // namespace

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

Face::RowColour Face::ZoneColour(ScrollZone zone, float top) const {
    switch (zone) {
        case ScrollZone::Top: break;
        case ScrollZone::Upper:
            // Blue rises with the row; red and green stay the top zone's,
            // so this zone runs from pink (255, 100, 143) at its upper
            // edge to magenta (255, 100, 255) from 100 pixels down. A
            // row here would otherwise take whatever red and green a row
            // above it left, and none at all at the start of a pass.
            return {255, 100, (255.0 / 100.0) * top};
        case ScrollZone::Middle: {
            const themes::Channels& middle = profile_.middleZoneColour;
            return {static_cast<double>(middle.red), static_cast<double>(middle.green), static_cast<double>(middle.blue)};
        }
        case ScrollZone::Bottom: {
            const double grey = (bodyHeight - static_cast<double>(top)) * 3 + 80;
            return {grey, grey, grey};
        }
    }
    return {255, 100, 100};
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

bool Face::MayReachFrame(int row, float top) {
    // A row lies within its own height and what its letters overhang; one
    // row height of margin each side keeps every row whose pixels can reach
    // the frame.
    bool may = true;
    forms::Skip([&] {
        const double height = Measure(row).height;
        may = top - height < bodyHeight && top + 2 * height > 0;
    });
    return may;
}

void Face::Timer2_Timer() {
    using forms::Skip;
    // A hidden face's frames never reach the screen, so it draws nothing; its
    // text moves on and picBody's position, size and colour follow the rows
    // as on a shown face.
    const bool shown = Visible();
    // The background wipes the previous frame.
    if (shown) Skip([&] { api_.BitBlt(picBody.hDC(), 0, 0, bodyWidth, bodyHeight, memDC[0], 0, 0, forms::kSrcCopy); });
    float rowOffset = 0;
    RowColour colour{};
    double logoW = 0, logoH = 0, logoX = 0, logoY = 0;
    const ScrollLimits limits = ScrollLimits::For(bodyHeight);
    const int lastRow = static_cast<int>(aboutLines.size()) - 1;

    for (int row = 0; row <= lastRow; ++row) {
        const std::wstring& text = aboutLines[row][0];
        const std::wstring& size = aboutLines[row][1];
        // An empty size cannot be converted and the size in force stays;
        // it is several rows of every tick, so it is not left to fail.
        if (!size.empty()) Skip([&] { picBody.SetFontSize(forms::CInt(size)); });
        // Centred, at the row's height.
        Skip([&] { picBody.SetCurrentX(static_cast<float>(bodyWidth / 2.0 - Measure(row).width / 2.0)); });
        Skip([&] { picBody.SetCurrentY(static_cast<float>(scrollTop + static_cast<double>(rowOffset))); });
        Skip([&] { logoW = picLogo(0).ScaleWidth(); });
        Skip([&] { logoH = picLogo(0).ScaleHeight(); });
        Skip([&] { logoX = picBody.CurrentX() - logoW / 2; });
        Skip([&] { logoY = picBody.CurrentY() + 10; });

        // The logo comes from the zone of the row's top; the row's own
        // colour below is judged after the row has made room for it.
        if (row == 1) {
            if (shown) {
                Skip([&] {
                    forms::Handle source = LogoSource(limits.ZoneOf(picBody.CurrentY()));
                    api_.BitBlt(picBody.hDC(), forms::CLng(logoX), forms::CLng(logoY), forms::CLng(logoW), forms::CLng(logoH), source, 0,
                                0, forms::kSrcCopy);
                });
            }
            Skip([&] { rowOffset = rowOffset + static_cast<float>(picLogo(0).ScaleHeight()) + 20.0f; });
            Skip([&] { picBody.SetCurrentY(static_cast<float>(scrollTop + static_cast<double>(rowOffset))); });
        }

        // The colour of the zone of the row's top; in the top zone, the
        // last row ends the pass once it nears the top edge.
        const float top = picBody.CurrentY();
        const ScrollZone zone = limits.ZoneOf(top);
        colour = ZoneColour(zone, top);
        bool restart = false;
        if (zone == ScrollZone::Top) Skip([&] { restart = row == lastRow && top < Measure(row).height; });
        if (restart) {
            scrollTop = scrollStart + kScrollStep;
            break;
        }

        Skip([&] { rowOffset = rowOffset + static_cast<float>(Measure(row).height + lineGap); });
        colour = {std::min(colour.red, 255.0), std::min(colour.green, 255.0), std::min(colour.blue, 255.0)};
        // A negative channel (a row far below the bottom edge) fails, and the
        // row keeps the colour of the row before; asked first, as most rows
        // of a pass's first ticks are such rows.
        if (forms::RGBAccepts(colour.red, colour.green, colour.blue)) {
            Skip([&] { picBody.SetForeColor(forms::RGB(colour.red, colour.green, colour.blue)); });
        }

        // The title outlined, every other row in filled letters; a row
        // that cannot reach the frame only moves the position on.
        if (!shown || !MayReachFrame(row, top)) {
            Skip([&] { MovePastRow(picBody, static_cast<float>(Measure(row).height)); });
        } else if (row == 0) {
            float height = 0;
            Skip([&] { height = static_cast<float>(Measure(row).height); });
            titleOutline_.Draw(picBody, text, height);
        } else {
            Skip([&] { picBody.Print(text); });
        }
        if (stopRequested != forms::False) break;
    }

    Skip([&] { scrollTop = scrollTop - kScrollStep; });
    // The frame, centred on the face.
    if (shown) {
        Skip([&] {
            const double offX = (ScaleWidth() - bodyWidth) / 2;
            const double offY = (ScaleHeight() - bodyHeight) / 2;
            api_.BitBlt(hDC(), forms::CLng(offX), forms::CLng(offY), bodyWidth, bodyHeight, picBody.hDC(), 0, 0, forms::kSrcCopy);
        });
    }
}

}  // namespace tint::faces
