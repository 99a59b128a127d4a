// The faces' Windows calls, passed straight to user32, gdi32 and winmm.
#pragma once

#include "forms/win_api.h"

namespace tint::win32 {

class Win32Api final : public forms::WinApi {
public:
    std::uint32_t GetSysColor(std::int32_t element) override;
    std::int32_t SetSysColors(std::int32_t count, const std::int32_t* elements, const std::uint32_t* colours) override;
    Handle GetMenu(Handle window) override;
    Handle GetSubMenu(Handle menu, std::int32_t position) override;
    std::int32_t GetMenuItemID(Handle menu, std::int32_t position) override;
    std::int32_t SetMenuItemBitmaps(Handle menu, std::int32_t item, std::int32_t flags, Handle unchecked, Handle checked) override;
    Handle CreateCompatibleDC(Handle dc) override;
    Handle CreateHalftonePalette(Handle dc) override;
    Handle SelectPalette(Handle dc, Handle palette, bool forceBackground) override;
    Handle SelectObject(Handle dc, Handle object) override;
    std::int32_t BitBlt(Handle dst, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Handle src, std::int32_t srcX,
                        std::int32_t srcY, std::uint32_t rop) override;
    std::int32_t BeginPath(Handle dc) override;
    std::int32_t EndPath(Handle dc) override;
    std::int32_t StrokePath(Handle dc) override;
    std::int32_t FlattenPath(Handle dc) override;
    std::int32_t GetPath(Handle dc, std::int32_t* xy, std::uint8_t* types, std::int32_t count) override;
    std::int32_t PolyDraw(Handle dc, const std::int32_t* xy, const std::uint8_t* types, std::int32_t count) override;
    std::int32_t MoveToEx(Handle dc, std::int32_t x, std::int32_t y) override;
    std::int32_t LineTo(Handle dc, std::int32_t x, std::int32_t y) override;
    std::int32_t sndPlaySoundW(const std::wstring* name, std::uint32_t flags) override;
};

}  // namespace tint::win32
