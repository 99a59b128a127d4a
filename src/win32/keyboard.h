// Focus and keyboard. A face is an ordinary window, not a dialog, so the keys
// a dialog manager would handle (Tab round the design's tab order, Enter on a
// button, the arrows on an option button) are handled here, before the
// message is dispatched; so is input meant for a hidden face, which no user
// can have given. The window system owns one and tells it of activations.
#pragma once

#include <vector>

#include "win32/records.h"

namespace tint::win32 {

class Keyboard {
public:
    explicit Keyboard(const RecordMap& records) : records_(records) {}
    Keyboard(const Keyboard&) = delete;
    Keyboard& operator=(const Keyboard&) = delete;

    // True when the message loop must not dispatch the message: a key
    // handled here, or a click or key posted to a hidden form.
    bool Intercept(const MSG& msg);

    // A form that gets the focus passes it on to a control: where it was
    // when the form was deactivated, or else its first one.
    void FormFocused(Record& form);
    void FormDeactivated(Record& form);
    // Hidden and shown again, a form starts at its first control.
    void FormHidden(Record& form) { form.lastFocus = nullptr; }

    // A picture box that holds the focus shows it with a focus rectangle,
    // drawn over what it paints (its image is not touched).
    void PaintFocusCue(const Record& box, HDC dc) const;

private:
    std::vector<Record*> TabOrder(HWND form) const;
    void MoveFocus(Record& form, bool backwards);
    bool HandleKey(const MSG& msg);
    bool ForHiddenForm(const MSG& msg) const;
    Record* FormOf(HWND hwnd) const { return Find(records_, ::GetAncestor(hwnd, GA_ROOT)); }

    const RecordMap& records_;
};

}  // namespace tint::win32
