// What the window system keeps of each form and control it made.
//
// The forms layer names each by a forms::Handle. For a form, and for a
// control with a window of its own (command, graphical and option buttons,
// text boxes, picture boxes), that handle is the window's HWND. Labels,
// images, menus and menu items have no window: their handle is the address
// of their record, which only this window system can use, and their record's
// hwnd is null.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "forms/window_system.h"
#include "win32/gdi_objects.h"
#include "win32/persistent_image.h"

namespace tint::win32 {

class Win32WindowSystem;

struct Record {
    Win32WindowSystem* system = nullptr;
    bool isForm = false;
    forms::ControlSpec spec;
    forms::FormSpec formSpec;
    HWND hwnd = nullptr;     // null for windowless records
    HWND parent = nullptr;   // the window that paints a windowless record
    HMENU menu = nullptr;    // a drop-down menu, or the menu an item sits in
    HWND menuOwner = nullptr;
    forms::WindowEvents* events = nullptr;
    HWND toolTips = nullptr;   // a form's tool-tip window, made on first need
    HWND lastFocus = nullptr;  // a form's focused control when it was last deactivated
    bool sized = false;        // a form's client area has been fitted
    std::vector<Record*> windowless;  // painted by this window, in design order
    PersistentImage image;            // a picture box's; empty for everything else
    // Whether the image's font is spec.font. It follows only when text is
    // measured or drawn, or the image's device context is handed out: the
    // scroller sets a size for every row of a tick, and most rows are
    // neither measured nor drawn.
    bool imageFontCurrent = true;
};

inline forms::Handle ToHandle(const void* p) { return reinterpret_cast<forms::Handle>(p); }

// Every record the window system made, by its handle.
using RecordMap = std::map<forms::Handle, std::unique_ptr<Record>>;

// The record of a form or windowed control; null for any other window.
inline Record* Find(const RecordMap& records, HWND hwnd) {
    auto it = records.find(ToHandle(hwnd));
    return it == records.end() ? nullptr : it->second.get();
}

}  // namespace tint::win32
