#include "faces/face.h"

#include <cstdlib>

#include "faces/control_ids.h"

namespace tint::faces {

using forms::False;
using forms::True;

forms::PixelRect Twips(int left, int top, int width, int height) {
    using forms::TwipsToPixels;
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

forms::PixelRect Twips(const themes::TwipsRect& r) { return Twips(r.left, r.top, r.width, r.height); }

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

constexpr forms::OleColour kBlack = themes::Rgb(0, 0, 0);

}  // namespace

Face::Face(Program& program, FaceId id, const FaceLayout& layout)
    : forms::Form(program.App(), FormSpecFor(program.Theme(), id)),
      program_(program),
      id_(id),
      profile_(program.Theme().Profile(id)),
      design_(program.Theme().Design(id)),
      api_(program.Api()) {
    ApplyDesign(layout);
    ApplyThemeRects();
    // Each face stacks its controls in its own design's order, which decides
    // what lies on top where controls overlap: the other faces put picBody
    // right after Option1, and the third face's tool bar starts with
    // cmdMusic, so that it lies over cmdExit in the column they share.
    if (id != FaceId::Startup) PlaceAfter(picBody, Option1);
    if (id == FaceId::Third) PlaceAfter(cmdMusic, picToolBar);
    NameControlIds(ControlIdOf);

    cmdExit.Click = [this] { cmdExit_Click(); };
    mnuFileExit.Click = [this] { mnuFileExit_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    cmdClock.Click = [this] { cmdClock_Click(); };
    mnuFileClock.Click = [this] { mnuFileClock_Click(); };
    cmdMusic.Click = [this] { cmdMusic_Click(); };
    mnuFileMusic.Click = [this] { mnuFileMusic_Click(); };
    // The build without a sword action gives the button no handler at all.
    if (program.Theme().swordAction != themes::SwordAction::None) Command1.Click = [this] { Command1_Click(); };
    Timer1.Tick = [this] { Timer1_Timer(); };
    Timer2.Tick = [this] { Timer2_Timer(); };
}

void Face::ApplyLabel(forms::Label& label, const themes::LabelDesign& design, forms::PixelRect rect) {
    if (design.name == nullptr) {
        label.Omit();
        return;
    }
    forms::ControlSpec& spec = label.Design();
    spec.caption = design.caption;
    spec.rect = rect;
    if (design.hasForeColour) spec.foreColour = design.foreColour;
    spec.transparent = design.transparent;
}

void Face::ApplyDesign(const FaceLayout& layout) {
    const themes::ThemeTable& theme = program_.Theme();
    const int clientWidth = Design().clientSize.width;
    const int clientHeight = Design().clientSize.height;

    const std::pair<forms::TextBox*, themes::TwipsRect> numberFields[] = {{&Text3, layout.Text3}, {&Text4, layout.Text4}, {&Text5, layout.Text5}};
    for (int i = 0; i < 3; ++i) {
        forms::TextBox& box = *numberFields[i].first;
        box.SetText(profile_.designRgb[i]);
        box.Design().rect = Twips(numberFields[i].second);
        box.Design().visible = false;
        box.Design().tabIndex = 11 + i;
    }

    Command2.Design().rect = Twips(layout.Command2);
    Command2.Design().caption = L"变脸";
    Command2.Design().tabIndex = 10;
    Option1.Design().rect = Twips(layout.Option1);
    Option1.Design().caption = theme.optionCaption;
    Option1.Design().tabIndex = 9;

    // Docked to the top at design: the window's full width.
    picToolBar.Design().rect = {0, 0, clientWidth, 27};
    picToolBar.Design().tabIndex = 5;
    cmdExit.Design().rect = Twips(1170, 0, 1185, 345);
    cmdExit.Design().caption = L"退 出";
    cmdClock.Design().rect = Twips(1170, 0, 1185, 345);
    cmdClock.Design().caption = L"时 间";
    cmdMusic.Design().rect = Twips(0, 0, 1185, 345);
    cmdMusic.Design().caption = L"音 乐";
    // Tab order of the three text buttons: 14, 15, 16 in the order the design names.
    const bool musicFirst = design_.musicButtonTabFirst;
    cmdMusic.Design().tabIndex = musicFirst ? 14 : 16;
    cmdClock.Design().tabIndex = musicFirst ? 15 : 14;
    cmdExit.Design().tabIndex = musicFirst ? 16 : 15;
    Command1.Design().rect = Twips(8640, 0, 345, 345);
    Command1.Design().backColour = themes::Rgb(192, 255, 192);
    Command1.Design().tabIndex = 8;
    if (theme.swordToolTip != nullptr) Command1.Design().toolTip = theme.swordToolTip;
    ApplyLabel(toolBarLabel, design_.toolBarLabel, Twips(layout.toolBarLabel));
    ApplyLabel(swordLabel, design_.swordLabel, Twips(layout.swordLabel));
    swordLabel.Design().font = {L"宋体", 10.5, true, 134};

    // Docked to the bottom at design.
    picStatusBar.Design().rect = {0, clientHeight - 29, clientWidth, 29};
    picStatusBar.Design().backColour = kBlack;
    picStatusBar.Design().visible = design_.visible.picStatusBar;
    picStatusBar.Design().tabIndex = 3;
    picSBPanel1.Design().rect = Twips(layout.picSBPanel1);
    picSBPanel1.Design().backColour = kBlack;
    picSBPanel1.Design().foreColour = themes::Rgb(0, 192, 0);
    picSBPanel1.Design().font = {L"MS Sans Serif", 8.25, true, 0};
    picSBPanel1.Design().visible = design_.visible.picSBPanel1;
    picSBPanel1.Design().tabIndex = 6;
    ApplyLabel(hintLabel, design_.hintLabel,
               id_ == FaceId::Startup ? Twips(1080, 30, 4875, 285) : Twips(2520, 90, 2145, 255));
    lblMusic.Design().rect = Twips(1440, 60, 825, 225);
    lblMusic.Design().caption = design_.lblMusicCaption;
    lblMusic.Design().backColour = kBlack;
    lblMusic.Design().foreColour = themes::Rgb(0, 255, 255);
    lblMusic.Design().textAlign = forms::ControlSpec::Align::Centre;
    lblMusic.Design().visible = design_.visible.lblMusic;
    lblClock.Design().rect = Twips(7800, 60, 1095, 195);
    lblClock.Design().backColour = kBlack;
    lblClock.Design().foreColour = themes::Rgb(0, 255, 0);
    lblClock.Design().textAlign = forms::ControlSpec::Align::Right;
    lblClock.Design().visible = design_.visible.lblClock;

    for (forms::PictureBox* logo : {&picLogo1, &picLogo0}) {
        logo->Design().border = forms::BorderStyle::Flat;
        logo->Design().backColour = forms::SystemColour(5);
        logo->Design().foreColour = forms::SystemColour(8);
        logo->Design().visible = false;
    }
    picLogo1.Design().rect = Twips(1020, 600, 510, 480);
    picLogo1.Design().tabIndex = 2;
    picLogo0.Design().rect = Twips(420, 600, 510, 510);
    picLogo0.Design().tabIndex = 1;

    picBody.Design().rect = Twips(layout.picBody);
    picBody.Design().border = forms::BorderStyle::Flat;
    picBody.Design().backColour = themes::Rgb(255, 255, 255);
    picBody.Design().foreColour = forms::SystemColour(8);
    picBody.Design().font = {L"Arial", 11.25, true, 0};

    struct ImageDesign {
        forms::Image* image;
        int left;
        const wchar_t* picture;
    };
    const ImageDesign images[] = {{&imgClock2, 1800, L"clock_off"},
                                  {&imgClock, 1380, L"clock_on"},
                                  {&ImgMusic2, 990, L"music_off"},
                                  {&imgMusic, 600, L"music_on"},
                                  {&imgExit, 2220, L"exit"}};
    for (const ImageDesign& d : images) {
        d.image->Design().rect = Twips(d.left, 4620, 240, 240);
        d.image->Design().visible = false;
        d.image->DesignPicture(d.picture);
    }
    Command1.DesignPicture(L"sword");
    picLogo0.DesignPicture(L"logo");
    picSBPanel1.SetAutoSize(layout.banner);
    if (layout.banner) {
        picSBPanel1.DesignPicture(L"banner");
        picBody.DesignPicture(L"banner");
    }

    mnuFile.Design().caption = theme.menuTitle;
    mnuFileMusic.Design().caption = L"&Music";
    mnuFileClock.Design().caption = L"&Clock";
    mnuFileExit.Design().caption = L"E&xit";
}

void Face::ApplyThemeRects() {
    for (const themes::RectOverride& o : design_.rects) {
        forms::PixelRect rect = Twips(o.rect);
        switch (o.control) {
            case themes::Placed::Command1: Command1.Design().rect = rect; break;
            case themes::Placed::Command2: Command2.Design().rect = rect; break;
            case themes::Placed::Option1: Option1.Design().rect = rect; break;
            case themes::Placed::cmdClock: cmdClock.Design().rect = rect; break;
            case themes::Placed::cmdExit: cmdExit.Design().rect = rect; break;
            case themes::Placed::lblMusic: lblMusic.Design().rect = rect; break;
            case themes::Placed::picBody: picBody.Design().rect = rect; break;
            case themes::Placed::picSBPanel1: picSBPanel1.Design().rect = rect; break;
            case themes::Placed::picStatusBar: picStatusBar.Design().rect = rect; break;
            case themes::Placed::picToolBar: picToolBar.Design().rect = rect; break;
            case themes::Placed::ToolBarLabel: toolBarLabel.Design().rect = rect; break;
            case themes::Placed::HintLabel: hintLabel.Design().rect = rect; break;
        }
    }
}

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

void Face::GradientStep() {
    const int red = profile_.gradientRed;
    const int green = profile_.gradientGreen;
    float blue = profile_.gradientStart;
    // Single precision, as the bands' colours depend on its rounding.
    const float step = static_cast<float>(7 * (0 - profile_.gradientStart)) / static_cast<float>(picBody.ScaleHeight());
    const float bound = static_cast<float>(picBody.ScaleHeight()) + 1.0f;
    for (int y = 0; y <= bound; y += 7) {
        if (blue < 0) blue = 0;
        picBody.LineFilledBox(0, y, picBody.ScaleWidth(), y + 7, forms::RGB(red, green, forms::CInt(blue)));
        blue = blue + step;
    }
    picBody.SetPicture(picBody.Image());
    sourcePictures[0] = picBody.Picture();
}

bool Face::PreparePictureDC(forms::Picture pic, std::int16_t slot) {
    return forms::FalseOnFailure([&] {
        if (pic.Type() != forms::Picture::kBitmap) return false;
        if (slot < 0 || slot > 1) forms::Raise(forms::kSubscriptOutOfRange);
        halftonePalette[slot] = api_.CreateHalftonePalette(0);
        memDC[slot] = api_.CreateCompatibleDC(0);
        oldPalette[slot] = api_.SelectPalette(memDC[slot], halftonePalette[slot], true);
        oldBitmap[slot] = api_.SelectObject(memDC[slot], pic.Handle());
        return true;
    });
}

void Face::ShadePicture(forms::PictureBox& src, forms::PictureBox& dst, float factor) {
    if (factor == 1.0f) return;
    const int width = static_cast<int>(src.ScaleWidth());
    for (int x = 0; x < width; ++x) {
        const int height = static_cast<int>(src.ScaleHeight());
        for (int y = 0; y < height; ++y) {
            const std::int32_t c = src.Point(x, y);
            const int red = std::abs(c % 256);
            const int green = std::abs((c / 256) % 256);
            const int blue = std::abs((c / 65536) % 256);
            // The channel times the single-precision factor, exact in double.
            const double f = factor;
            dst.PSet(x, y, forms::RGB(forms::RoundHalfEven(red * f), forms::RoundHalfEven(green * f), forms::RoundHalfEven(blue * f)));
        }
        // Lets other faces' ticks and clicks run while a face loads.
        App().DoEvents();
    }
    dst.SetPicture(dst.Image());
}

void Face::PictureStep() {
    picturesReady = forms::ToBoolean(PreparePictureDC(picBody.Picture(), 0));
    if (picturesReady == False) return;
    ShadePicture(picLogo(0), picLogo(1), 1.3f);
    sourcePictures[1] = picLogo(0).Picture();
    picturesReady = forms::ToBoolean(PreparePictureDC(sourcePictures[1], 1));
    if (picturesReady != False) ShadePicture(picLogo(1), picLogo(0), 0.4f);
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
