// The sword button: what it does is the build's choice.
#include "faces/face.h"

namespace tint::faces {

void Face::Command1_Click() {
    switch (program_.Theme().swordAction) {
        case themes::SwordAction::HideBody:
            // picBody is hidden from the load on, so nothing on screen changes.
            picBody.SetVisible(false);
            return;
        case themes::SwordAction::None: return;
        case themes::SwordAction::StopAndGiveBack: break;
    }
    using forms::Skip;
    Skip([&] { stopRequested = forms::True; });
    Skip([&] { Timer1.SetEnabled(false); });
    Skip([&] { Timer2.SetEnabled(false); });
    // Messages already waiting are handled before any colour changes.
    Skip([&] { App().DoEvents(); });
    Skip([&] { SetSysColour(profile_.primaryColourElement, static_cast<std::uint32_t>(savedPrimaryColour)); });
    Skip([&] { SetSysColour(profile_.accentColourElement, static_cast<std::uint32_t>(savedAccentColour)); });
    Skip([&] { App().DoEvents(); });
    for (int slot = 0; slot <= 1; ++slot) {
        // Each slot gets back the bitmap it was made with; nothing is freed.
        Skip([&] { api_.SelectObject(memDC[slot], oldBitmap[slot]); });
    }
    Skip([&] {
        if (musicOn == forms::True) api_.sndPlaySoundW(nullptr, forms::kSndAsync);
    });
}

}  // namespace tint::faces
