// The fonts the designs name, made once each and kept for the whole run, and
// the platform's default font for controls.
#pragma once

#include <map>
#include <string>

#include "forms/window_system.h"
#include "win32/gdi_objects.h"

namespace tint::win32 {

class FontCache {
public:
    FontCache();
    // The font a design names; the control font for an empty name, or when
    // the system cannot make it.
    HFONT For(const forms::FontSpec& spec);

private:
    OwnedFont messageFont_;
    HFONT controlFont_ = nullptr;
    std::map<std::wstring, OwnedFont> fonts_;
};

}  // namespace tint::win32
