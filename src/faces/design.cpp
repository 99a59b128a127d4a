// The face's design transcribed: its window, its controls' places, captions,
// colours and pictures, and the handlers wired to its controls' events.
#include "faces/face.h"

#include "faces/control_ids.h"

namespace tint::faces {

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
      layout_(layout),
      profile_(program.Theme().Profile(id)),
      design_(program.Theme().Design(id)),
      api_(program.Api()) {
    ApplyDesign();
    ApplyThemeRects();
    // Each face stacks its controls in its own design's order, which decides
    // what lies on top where controls overlap.
    if (layout.picBodyAfterOption1) PlaceAfter(picBody, Option1);
    if (layout.cmdMusicFirst) PlaceAfter(cmdMusic, picToolBar);
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

void Face::ApplyDesign() {
    const FaceLayout& layout = layout_;
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
    ApplyLabel(hintLabel, design_.hintLabel, Twips(layout.hintLabel));
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

}  // namespace tint::faces
