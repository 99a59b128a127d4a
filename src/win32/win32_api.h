// The faces' Windows calls, passed straight to user32, gdi32 and winmm; a
// frame's two block copies go by way of the image's frame presenter.
#pragma once

#include "forms/win_api.h"

namespace tint::win32 {

class Win32Api final : public forms::WinApi {
public:
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
    std::int32_t GetPath(forms::Handle dc, std::int32_t* xy, std::uint8_t* types, std::int32_t count) override;
    std::int32_t PolyDraw(forms::Handle dc, const std::int32_t* xy, const std::uint8_t* types, std::int32_t count) override;
    std::int32_t MoveToEx(forms::Handle dc, std::int32_t x, std::int32_t y) override;
    std::int32_t LineTo(forms::Handle dc, std::int32_t x, std::int32_t y) override;
    std::int32_t sndPlaySoundW(const std::wstring* name, std::uint32_t flags) override;
};

}  // namespace tint::win32
