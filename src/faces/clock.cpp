// The clock: the time of day in lblClock, switched with the clock button or
// the Clock command.
#include "faces/face.h"

namespace tint::faces {

void Face::Timer1_Timer() {
    // The label is right-aligned; the two blanks keep the time off its edge.
    lblClock.SetCaption(forms::Format(App().Now(), L"hh:mm:ss AM/PM", App().TimeSeparator()) + L"  ");
}

void Face::cmdClock_Click() {
    clockOn = forms::Not(clockOn);
    if (clockOn != forms::False) {
        cmdClock.SetPicture(imgClock.Picture());
        // The tool tip names what the next click does.
        cmdClock.SetToolTipText(L"Turn clock off");
        lblClock.SetVisible(true);
        Timer1.SetEnabled(true);
    } else {
        cmdClock.SetToolTipText(L"Turn clock on");
        cmdClock.SetPicture(imgClock2.Picture());
        lblClock.SetVisible(false);
        Timer1.SetEnabled(false);
    }
    SetMenuItemImage(1, clockOn);
}

void Face::mnuFileClock_Click() { cmdClock_Click(); }

}  // namespace tint::faces
