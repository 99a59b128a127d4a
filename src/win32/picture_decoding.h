// Pictures the program carries as resources, decoded by the platform.
#pragma once

#include <string>

#include "forms/picture.h"
#include "forms/window_system.h"
#include "win32/gdi_objects.h"

namespace tint::win32 {

// The RCDATA resource of that name as a picture object (JPEG, GIF's first
// frame, BMP or ICO); an empty picture when there is none or it cannot be
// decoded.
forms::Picture DecodePicture(HINSTANCE instance, const std::wstring& name);

}  // namespace tint::win32
