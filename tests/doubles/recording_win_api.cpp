#include "doubles/recording_win_api.h"

#include "doubles/fake_window_system.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace tint::testing {

std::string Hex(std::uint32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(value));
    return buffer;
}

namespace {
std::string S(long long v) { return std::to_string(v); }
}  // namespace

std::uint32_t RecordingWinApi::GetSysColor(std::int32_t element) {
    Record("GetSysColor " + S(element));
    auto it = sysColours.find(element);
    return it == sysColours.end() ? 0x00C0C0C0u : it->second;
}

std::int32_t RecordingWinApi::SetSysColors(std::int32_t count, const std::int32_t* elements, const std::uint32_t* colours) {
    std::string text = "SetSysColors " + S(count);
    for (std::int32_t i = 0; i < count; ++i) {
        text += " " + S(elements[i]) + "=" + Hex(colours[i]);
        sysColours[elements[i]] = colours[i];
    }
    Record(text);
    return 1;
}

forms::Handle RecordingWinApi::GetMenu(forms::Handle window) {
    Record("GetMenu " + S(window));
    return MenuBarOf(window);
}

forms::Handle RecordingWinApi::GetSubMenu(forms::Handle menu, std::int32_t position) {
    Record("GetSubMenu " + S(menu) + " " + S(position));
    return menu + 1 + position;
}

std::int32_t RecordingWinApi::GetMenuItemID(forms::Handle menu, std::int32_t position) {
    Record("GetMenuItemID " + S(menu) + " " + S(position));
    return 500 + position;
}

std::int32_t RecordingWinApi::SetMenuItemBitmaps(forms::Handle menu, std::int32_t item, std::int32_t flags, forms::Handle unchecked, forms::Handle checked) {
    Record("SetMenuItemBitmaps " + S(menu) + " " + S(item) + " " + S(flags) + " " + S(unchecked) + " " + S(checked));
    return 1;
}

forms::Handle RecordingWinApi::CreateCompatibleDC(forms::Handle dc) {
    Record("CreateCompatibleDC " + S(dc));
    return next_++;
}

forms::Handle RecordingWinApi::CreateHalftonePalette(forms::Handle dc) {
    Record("CreateHalftonePalette " + S(dc));
    return next_++;
}

forms::Handle RecordingWinApi::SelectPalette(forms::Handle dc, forms::Handle palette, bool forceBackground) {
    Record("SelectPalette " + S(dc) + " " + S(palette) + " " + (forceBackground ? "true" : "false"));
    return next_++;
}

forms::Handle RecordingWinApi::SelectObject(forms::Handle dc, forms::Handle object) {
    Record("SelectObject " + S(dc) + " " + S(object));
    return next_++;
}

std::int32_t RecordingWinApi::BitBlt(forms::Handle dst, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, forms::Handle src,
                                     std::int32_t srcX, std::int32_t srcY, std::uint32_t rop) {
    Record("BitBlt " + S(dst) + " " + S(x) + " " + S(y) + " " + S(width) + " " + S(height) + " " + S(src) + " " + S(srcX) + " " +
                    S(srcY) + " " + Hex(rop));
    return 1;
}

std::int32_t RecordingWinApi::BeginPath(forms::Handle dc) {
    Record("BeginPath " + S(dc));
    return 1;
}

std::int32_t RecordingWinApi::EndPath(forms::Handle dc) {
    Record("EndPath " + S(dc));
    return 1;
}

std::int32_t RecordingWinApi::StrokePath(forms::Handle dc) {
    Record("StrokePath " + S(dc));
    return 1;
}

std::int32_t RecordingWinApi::FlattenPath(forms::Handle dc) {
    Record("FlattenPath " + S(dc));
    return 1;
}

std::int32_t RecordingWinApi::GetPath(forms::Handle dc, std::int32_t* xy, std::uint8_t* types, std::int32_t count) {
    Record("GetPath " + S(dc) + " " + S(count));
    if (count == 0) return 2;
    if (count < 2) return -1;
    const std::int32_t points[] = {10, 20, 30, 40};
    std::copy(points, points + 4, xy);
    types[0] = 6;  // PT_MOVETO
    types[1] = 2;  // PT_LINETO
    return 2;
}

std::int32_t RecordingWinApi::PolyDraw(forms::Handle dc, const std::int32_t* xy, const std::uint8_t* types, std::int32_t count) {
    std::string call = "PolyDraw " + S(dc);
    for (std::int32_t i = 0; i < count; ++i) call += " " + S(xy[2 * i]) + "," + S(xy[2 * i + 1]) + ":" + S(types[i]);
    Record(call);
    return 1;
}

std::int32_t RecordingWinApi::MoveToEx(forms::Handle dc, std::int32_t x, std::int32_t y) {
    Record("MoveToEx " + S(dc) + " " + S(x) + " " + S(y));
    return 1;
}

std::int32_t RecordingWinApi::LineTo(forms::Handle dc, std::int32_t x, std::int32_t y) {
    Record("LineTo " + S(dc) + " " + S(x) + " " + S(y));
    return 1;
}

std::int32_t RecordingWinApi::sndPlaySoundW(const std::wstring* name, std::uint32_t flags) {
    Record("sndPlaySoundW " + (name != nullptr ? Narrow(*name) : std::string("(null)")) + " " + S(flags));
    return 1;
}

void RecordingWinApi::Record(std::string call) {
    if (alsoLog != nullptr) alsoLog->push_back(call);
    calls.push_back(std::move(call));
}

std::vector<std::string> RecordingWinApi::CallsStartingWith(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& c : calls) {
        if (c.rfind(prefix, 0) == 0) out.push_back(c);
    }
    return out;
}

}  // namespace tint::testing
