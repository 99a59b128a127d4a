// The faces' Windows calls, recorded in order with their arguments, over a
// simulated system-colour table that SetSysColors really changes.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "forms/win_api.h"

namespace tint::testing {

class RecordingWinApi : public forms::WinApi {
public:
    std::vector<std::string> calls;
    // Where set, every call is also written here, to be seen in order with
    // another double's record.
    std::vector<std::string>* alsoLog = nullptr;
    std::map<std::int32_t, std::uint32_t> sysColours;

    std::uint32_t GetSysColor(std::int32_t element) override;
    std::int32_t SetSysColors(std::int32_t count, const std::int32_t* elements, const std::uint32_t* colours) override;
    forms::Handle GetMenu(forms::Handle window) override;
    forms::Handle GetSubMenu(forms::Handle menu, std::int32_t position) override;
    std::int32_t GetMenuItemID(forms::Handle menu, std::int32_t position) override;
    std::int32_t SetMenuItemBitmaps(forms::Handle menu, std::int32_t item, std::int32_t flags, forms::Handle unchecked, forms::Handle checked) override;
    forms::Handle CreateCompatibleDC(forms::Handle dc) override;
    forms::Handle CreateHalftonePalette(forms::Handle dc) override;
    forms::Handle SelectPalette(forms::Handle dc, forms::Handle palette, bool forceBackground) override;
    forms::Handle SelectObject(forms::Handle dc, forms::Handle object) override;
    std::int32_t BitBlt(forms::Handle dst, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, forms::Handle src, std::int32_t srcX,
                        std::int32_t srcY, std::uint32_t rop) override;
    std::int32_t BeginPath(forms::Handle dc) override;
    std::int32_t EndPath(forms::Handle dc) override;
    std::int32_t StrokePath(forms::Handle dc) override;
    std::int32_t FlattenPath(forms::Handle dc) override;
    // A path of two points: a move to 10, 20 and a line to 30, 40.
    std::int32_t GetPath(forms::Handle dc, std::int32_t* xy, std::uint8_t* types, std::int32_t count) override;
    std::int32_t PolyDraw(forms::Handle dc, const std::int32_t* xy, const std::uint8_t* types, std::int32_t count) override;
    std::int32_t MoveToEx(forms::Handle dc, std::int32_t x, std::int32_t y) override;
    std::int32_t LineTo(forms::Handle dc, std::int32_t x, std::int32_t y) override;
    std::int32_t sndPlaySoundW(const std::wstring* name, std::uint32_t flags) override;

    // The menu bar GetMenu gives for a window, the same every time.
    static forms::Handle MenuBarOf(forms::Handle window) { return 500000 + window * 10; }

    // The calls whose text starts with prefix, in order.
    std::vector<std::string> CallsStartingWith(const std::string& prefix) const;

private:
    void Record(std::string call);
    forms::Handle next_ = 1000;
};

std::string Hex(std::uint32_t value);

}  // namespace tint::testing
