// The Windows functions the faces call by name (user32, gdi32, winmm). On
// Windows they go straight to the system; tests put a recorder in their place.
#pragma once

#include <cstdint>
#include <string>

#include "forms/types.h"

namespace forms {

class WinApi {
public:
    virtual ~WinApi() = default;

    // user32
    virtual std::uint32_t GetSysColor(std::int32_t element) = 0;
    virtual std::int32_t SetSysColors(std::int32_t count, const std::int32_t* elements, const std::uint32_t* colours) = 0;
    virtual Handle GetMenu(Handle window) = 0;
    virtual Handle GetSubMenu(Handle menu, std::int32_t position) = 0;
    virtual std::int32_t GetMenuItemID(Handle menu, std::int32_t position) = 0;
    virtual std::int32_t SetMenuItemBitmaps(Handle menu, std::int32_t item, std::int32_t flags, Handle unchecked, Handle checked) = 0;

    // gdi32
    virtual Handle CreateCompatibleDC(Handle dc) = 0;
    virtual Handle CreateHalftonePalette(Handle dc) = 0;
    virtual Handle SelectPalette(Handle dc, Handle palette, bool forceBackground) = 0;
    virtual Handle SelectObject(Handle dc, Handle object) = 0;
    virtual std::int32_t BitBlt(Handle dst, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Handle src,
                                std::int32_t srcX, std::int32_t srcY, std::uint32_t rop) = 0;
    virtual std::int32_t BeginPath(Handle dc) = 0;
    virtual std::int32_t EndPath(Handle dc) = 0;
    virtual std::int32_t StrokePath(Handle dc) = 0;
    virtual std::int32_t FlattenPath(Handle dc) = 0;
    // The closed path of dc: count points as x, y pairs and their point
    // types; with count 0, the number of points it has.
    virtual std::int32_t GetPath(Handle dc, std::int32_t* xy, std::uint8_t* types, std::int32_t count) = 0;
    virtual std::int32_t PolyDraw(Handle dc, const std::int32_t* xy, const std::uint8_t* types, std::int32_t count) = 0;
    virtual std::int32_t MoveToEx(Handle dc, std::int32_t x, std::int32_t y) = 0;
    virtual std::int32_t LineTo(Handle dc, std::int32_t x, std::int32_t y) = 0;

    // winmm. The name goes to the system as it is (the wide form of the
    // call), so a music file whose name the ANSI code page cannot spell still
    // plays. nullptr stops the sound.
    virtual std::int32_t sndPlaySoundW(const std::wstring* name, std::uint32_t flags) = 0;
};

inline constexpr std::uint32_t kSrcCopy = 0x00CC0020;
inline constexpr std::uint32_t kSndAsync = 0x0001;
inline constexpr std::uint32_t kSndLoop = 0x0008;

}  // namespace forms
