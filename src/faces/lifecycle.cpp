// A face's life: its load, every activation, and its closing, which ends the
// whole program.
#include "faces/face.h"

namespace tint::faces {

using forms::False;
using forms::True;

forms::PictureBox& Face::picLogo(int index) {
    if (index == 0) return picLogo0;
    if (index == 1) return picLogo1;
    forms::Raise(forms::kSubscriptOutOfRange);
}

void Face::LayoutStep() {
    picBody.SetAlign(1);
    picStatusBar.SetAlign(2);
    picStatusBar.SetScaleMode(3);
    picStatusBar.SetAutoRedraw(true);
    picSBPanel1.Move(1, 0);
    // The panel's width is read before its left edge.
    const int panelWidth = picSBPanel1.Width();
    lblMusic.SetLeft(panelWidth + picSBPanel1.Left() + 4);
    // The bar's outer width against the label's place in its inner area: the
    // label's right edge ends 2 pixels inside the bar's inner right edge.
    const int clockWidth = lblClock.Width();
    lblClock.SetLeft(picStatusBar.Width() - clockWidth - 6);
    picBody.SetScaleMode(3);
    picBody.SetAutoRedraw(true);
    picBody.SetVisible(false);
}

void Face::LogoBoxStep() {
    for (int i = 0; i <= 1; ++i) {
        forms::PictureBox& logo = picLogo(i);
        logo.SetScaleMode(3);
        logo.SetAppearance(0);
        logo.SetAutoRedraw(true);
        if (i > 0) {
            logo.SetWidth(picLogo(0).Width());
            logo.SetHeight(picLogo(0).Height());
        }
        logo.SetAutoSize(true);
        logo.SetVisible(false);
    }
}

void Face::SetSysColour(std::int32_t element, std::uint32_t colour) {
    const std::int32_t elements[1] = {element};
    const std::uint32_t colours[1] = {colour};
    api_.SetSysColors(1, elements, colours);
}

void Face::Form_Load() {
    Timer1.SetEnabled(false);
    Timer2.SetEnabled(false);

    LayoutStep();
    LogoBoxStep();
    BuildAboutLines();
    sourcePictures[0] = forms::Picture();
    sourcePictures[1] = forms::Picture();

    savedPrimaryColour = static_cast<std::int32_t>(api_.GetSysColor(profile_.primaryColourElement));
    savedAccentColour = static_cast<std::int32_t>(api_.GetSysColor(profile_.accentColourElement));

    bodyWidth = forms::CLng(picBody.ScaleWidth());
    bodyHeight = forms::CLng(picBody.ScaleHeight());
    scrollStart = bodyHeight;
    scrollTop = bodyHeight;
    lineGap = 10;

    GradientStep();
    PictureStep();
    InitMenuBitmaps();
    clockOn = True;
    MusicStep();
}

void Face::Form_Activate() {
    if (picturesReady == False) {
        App().MsgBox(kNotReadyMessage);
        return;
    }
    DrawMusicLabelFrame();

    // Blue first, then green, then red: the order in which a bad field fails.
    std::int16_t blue = forms::CInt(Text5.Text());
    std::int16_t green = forms::CInt(Text4.Text());
    std::int16_t red = forms::CInt(Text3.Text());
    forms::Colour colour = forms::RGB(red, green, blue);
    SetSysColour(profile_.primaryColourElement, colour);
    SetSysColour(profile_.accentColourElement, profile_.accentColour);

    Timer1.SetInterval(800);
    Timer1.SetEnabled(true);
    if (stopRequested != False) {
        // The sword button took the two pictures out of their slots; the
        // scroller copies from the slots, so they go back before it runs.
        for (int slot = 0; slot <= 1; ++slot) api_.SelectObject(memDC[slot], sourcePictures[slot].Handle());
    }
    Timer2.SetInterval(10);
    Timer2.SetEnabled(true);
    stopRequested = False;
}

void Face::Form_QueryUnload(Boolean& /*cancel*/, std::int16_t& /*unloadMode*/) {
    // Closing any face, by any means, ends the whole program at once.
    App().End();
}

void Face::cmdExit_Click() { Unload(); }

void Face::mnuFileExit_Click() { Unload(); }

}  // namespace tint::faces
