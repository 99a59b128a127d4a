// The value types every layer shares: colours as Windows holds them, and the
// handles by which the platform's objects travel.
#pragma once

#include <cstdint>

namespace forms {

// A colour 0x00BBGGRR, as GetSysColor answers it.
using Colour = std::uint32_t;

// A colour as the designs give it: either a Colour, or a system colour
// element n written as 0x80000000 | n, which follows the system colours.
using OleColour = std::uint32_t;
constexpr OleColour SystemColour(int element) { return 0x80000000u | static_cast<std::uint32_t>(element); }
constexpr bool IsSystemColour(OleColour c) { return (c & 0x80000000u) != 0; }

// A handle of the platform (a window, device context, GDI object, menu),
// held at full width as Windows handles are pointer-sized. A window system
// also names each form and control it made by one; see Control::hWnd for
// which of those are windows.
using Handle = std::intptr_t;

}  // namespace forms
