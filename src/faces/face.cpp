#include "faces/face.h"

namespace tint::faces {

using forms::False;
using forms::True;

forms::PixelRect Twips(int left, int top, int width, int height) {
    using forms::TwipsToPixels;
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

namespace {

forms::FormSpec FormSpecFor(const themes::ThemeTable& theme, FaceId id) {
    const themes::FaceDesign& design = theme.Design(id);
    const themes::FaceProfile& profile = theme.Profile(id);
    forms::FormSpec spec;
    spec.caption = kFormCaption;
    spec.clientSize = {forms::TwipsToPixels(design.clientWidth), forms::TwipsToPixels(design.clientHeight)};
    spec.backColour = profile.formBackColour;
    spec.foreColour = profile.formForeColour;
    return spec;
}

}  // namespace

Face::Face(Program& program, FaceId id)
    : forms::Form(program.App(), FormSpecFor(program.Theme(), id)),
      program_(program),
      id_(id),
      profile_(program.Theme().Profile(id)),
      api_(program.Api()) {
    Text3.SetText(profile_.designRgb[0]);
    Text4.SetText(profile_.designRgb[1]);
    Text5.SetText(profile_.designRgb[2]);
    for (forms::TextBox* box : {&Text3, &Text4, &Text5}) box->Design().visible = false;

    Command2.Design().caption = L"变脸";
    Option1.Design().caption = program.Theme().optionCaption;
    cmdExit.Design().caption = L"退 出";
    cmdClock.Design().caption = L"时 间";
    cmdMusic.Design().caption = L"音 乐";
    Command1.Design().backColour = themes::Rgb(192, 255, 192);
    if (program.Theme().swordToolTip != nullptr) Command1.Design().toolTip = program.Theme().swordToolTip;
    picBody.Design().border = forms::BorderStyle::Flat;
    picBody.Design().backColour = themes::Rgb(255, 255, 255);

    mnuFile.Design().caption = program.Theme().menuTitle;
    mnuFileMusic.Design().caption = L"&Music";
    mnuFileClock.Design().caption = L"&Clock";
    mnuFileExit.Design().caption = L"E&xit";

    cmdExit.Click = [this] { cmdExit_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    mnuFileExit.Click = [this] { mnuFileExit_Click(); };
}

void Face::ApplyThemeDesign() {
    for (const themes::RectOverride& o : program_.Theme().Design(id_).rects) {
        forms::PixelRect rect = Twips(o.rect.left, o.rect.top, o.rect.width, o.rect.height);
        switch (o.control) {
            case themes::Placed::Command1: Command1.Design().rect = rect; break;
            case themes::Placed::Command2: Command2.Design().rect = rect; break;
            case themes::Placed::Option1: Option1.Design().rect = rect; break;
            case themes::Placed::cmdClock: cmdClock.Design().rect = rect; break;
            case themes::Placed::cmdExit: cmdExit.Design().rect = rect; break;
            case themes::Placed::picBody: picBody.Design().rect = rect; break;
            case themes::Placed::picToolBar: picToolBar.Design().rect = rect; break;
            default: break;  // status bar and labels join with the full design
        }
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

    // Layout of the tool bar, status bar and drawing area: not built yet.
    // Logo boxes: not built yet.
    // About text: not built yet.
    // Empty picture objects for the two slots: not built yet.

    savedPrimaryColour = static_cast<std::int32_t>(api_.GetSysColor(profile_.primaryColourElement));
    savedAccentColour = static_cast<std::int32_t>(api_.GetSysColor(profile_.accentColourElement));

    bodyWidth = forms::CLng(picBody.ScaleWidth());
    bodyHeight = forms::CLng(picBody.ScaleHeight());
    scrollStart = bodyHeight;
    scrollTop = bodyHeight;
    lineGap = 10;

    // Gradient background: not built yet.
    // Picture slots and logo shading: not built yet, so picturesReady stays False.
    // Menu item bitmaps: not built yet.

    clockOn = True;

    // Music: not built yet.
}

void Face::Form_Activate() {
    if (picturesReady == False) {
        App().MsgBox(kNotReadyMessage);
        return;
    }
    // Status-bar frame: not built yet.

    // Blue first, then green, then red: the order in which a bad field fails.
    std::int16_t blue = forms::CInt(Text5.Text());
    std::int16_t green = forms::CInt(Text4.Text());
    std::int16_t red = forms::CInt(Text3.Text());
    forms::Colour colour = forms::RGB(red, green, blue);
    SetSysColour(profile_.primaryColourElement, colour);
    SetSysColour(profile_.accentColourElement, profile_.accentColour);

    Timer1.SetInterval(800);
    Timer1.SetEnabled(true);
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

void Face::Command2_Click() {
    if (Option1.Value() != True) return;
    Face& next = program_.Get(profile_.nextFace);
    if (profile_.nextFaceOwned) {
        next.Show(&program_.frmFancyfrm());
    } else {
        next.Show();
    }
    program_.Get(id_).Hide();
    // The activation that Show causes runs from the message loop once this
    // handler has returned, so it already reads the values written here and
    // the hand-off colour applies at once.
    program_.Get(profile_.nextFace).Text3.SetText(forms::Str(profile_.handoffRgb[0]));
    program_.Get(profile_.nextFace).Text4.SetText(forms::Str(profile_.handoffRgb[1]));
    program_.Get(profile_.nextFace).Text5.SetText(forms::Str(profile_.handoffRgb[2]));
}

// ---- Program ----------------------------------------------------------------

Program::Program(forms::Application& app, forms::WinApi& api, const themes::ThemeTable& theme) : app_(app), api_(api), theme_(theme) {}

Program::~Program() = default;

Face& Program::Get(FaceId id) {
    auto& slot = faces_[static_cast<int>(id)];
    if (slot == nullptr) {
        switch (id) {
            case FaceId::Startup: slot = Make_frmFancyfrm(*this); break;
            case FaceId::Second: slot = Make_frmFancyfrm1(*this); break;
            case FaceId::Third: slot = Make_frmFancyfrm2(*this); break;
        }
    }
    return *slot;
}

void Program::Run() { app_.Run(frmFancyfrm()); }

}  // namespace tint::faces
