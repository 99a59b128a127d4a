// A face: one decorated window of the program. The three faces share all of
// their code here and differ only by their FaceProfile and their design,
// which the files named after each face supply.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "faces/control_ids.h"
#include "faces/title_outline.h"
#include "forms/forms.h"
#include "forms/win_api.h"
#include "themes/theme.h"

namespace tint::faces {

inline constexpr wchar_t kNotReadyMessage[] = L"StdPicture not of bitmap type";

using forms::Boolean;
using themes::FaceId;

class Program;

// A design rectangle given in twips, turned into the pixels the controls use.
forms::PixelRect Twips(int left, int top, int width, int height);
forms::PixelRect Twips(const themes::TwipsRect& rect);

// What the design of one face gives that the other faces' designs do not:
// the places of its controls (twips), where its hint lies, how its controls
// stack, and whether it carries the banner.
struct FaceLayout {
    themes::TwipsRect Text5, Text4, Text3, Command2, Option1, picBody;
    themes::TwipsRect toolBarLabel, swordLabel, picSBPanel1, hintLabel;
    bool hintOnBanner;         // on picSBPanel1; otherwise on the status bar itself
    bool picBodyAfterOption1;  // made, and so stacked, right after Option1
    bool cmdMusicFirst;        // the tool bar's first control, over cmdExit in the column they share
    bool banner;               // picSBPanel1 and picBody carry the banner picture
};

// The bands of picBody by which the scroller colours each row: the top tenth,
// the rest of the upper 40 %, the middle, and the bottom fifth.
enum class ScrollZone { Top, Upper, Middle, Bottom };

struct ScrollLimits {
    float tenth, forty, eighty;
    static ScrollLimits For(std::int32_t bodyHeight);
    ScrollZone ZoneOf(float top) const;
};

class Face : public forms::Form {
public:
    Face(Program& program, FaceId id, const FaceLayout& layout);

private:
    // Declared first: the controls below are made from them.
    Program& program_;
    FaceId id_;
    const FaceLayout& layout_;
    const themes::FaceProfile& profile_;
    const themes::FaceDesign& design_;
    forms::WinApi& api_;

public:
    // ---- controls, in the start-up face's design order: where they overlap,
    // earlier lies on top (the other faces' orders are set in the constructor) ----
    forms::TextBox Text5{*this, nullptr, L"Text5"};
    forms::TextBox Text4{*this, nullptr, L"Text4"};
    forms::TextBox Text3{*this, nullptr, L"Text3"};
    forms::CommandButton Command2{*this, nullptr, L"Command2"};
    forms::OptionButton Option1{*this, nullptr, L"Option1"};
    forms::PictureBox picToolBar{*this, nullptr, L"picToolBar"};
    forms::CommandButton cmdExit{*this, &picToolBar, L"cmdExit"};
    forms::CommandButton cmdClock{*this, &picToolBar, L"cmdClock"};
    forms::CommandButton cmdMusic{*this, &picToolBar, L"cmdMusic"};
    forms::CommandButton Command1{*this, &picToolBar, L"Command1", true};
    forms::Label toolBarLabel{*this, &picToolBar, LabelName(design_.toolBarLabel)};
    forms::Label swordLabel{*this, &picToolBar, LabelName(design_.swordLabel)};
    forms::PictureBox picStatusBar{*this, nullptr, L"picStatusBar"};
    forms::PictureBox picSBPanel1{*this, &picStatusBar, L"picSBPanel1"};
    forms::Label hintLabel{*this, layout_.hintOnBanner ? &picSBPanel1 : &picStatusBar, LabelName(design_.hintLabel)};
    forms::Label lblMusic{*this, &picStatusBar, L"lblMusic"};
    forms::Label lblClock{*this, &picStatusBar, L"lblClock"};
    forms::PictureBox picLogo1{*this, nullptr, L"picLogo(1)"};
    forms::PictureBox picLogo0{*this, nullptr, L"picLogo(0)"};
    forms::Timer Timer1{*this, false, 10};
    forms::Timer Timer2{*this, true, 0};
    forms::PictureBox picBody{*this, nullptr, L"picBody"};
    forms::Image imgClock2{*this, nullptr, L"imgClock2"};
    forms::Image imgClock{*this, nullptr, L"imgClock"};
    forms::Image ImgMusic2{*this, nullptr, L"ImgMusic2"};
    forms::Image imgMusic{*this, nullptr, L"imgMusic"};
    forms::Image imgExit{*this, nullptr, L"imgExit"};
    forms::Menu mnuFile{*this, L"mnuFile"};
    forms::MenuItem mnuFileMusic{mnuFile, L"mnuFileMusic"};
    forms::MenuItem mnuFileClock{mnuFile, L"mnuFileClock"};
    forms::MenuItem mnuFileExit{mnuFile, L"mnuFileExit"};

    // The control array picLogo, by index; other indexes fail.
    forms::PictureBox& picLogo(int index);

    // ---- form-level fields ----
    // Slot 0 the gradient background, slot 1 the logo as loaded. The handles
    // are kept at full width: a Windows handle is pointer-sized.
    std::array<forms::Picture, 2> sourcePictures{};
    std::array<forms::Handle, 2> memDC{};
    std::array<forms::Handle, 2> oldBitmap{};
    std::array<forms::Handle, 2> oldPalette{};
    std::array<forms::Handle, 2> halftonePalette{};
    std::int32_t bodyWidth = 0;
    std::int32_t bodyHeight = 0;
    std::int32_t scrollStart = 0;
    std::int32_t scrollTop = 0;
    std::int16_t lineGap = 0;
    // Rows of two texts: the line, and its font size in points as decimal
    // text (empty where the line keeps the size of the one above).
    std::vector<std::array<std::wstring, 2>> aboutLines;
    std::wstring musicFile;
    Boolean musicFound = forms::False;
    Boolean musicOn = forms::False;
    Boolean clockOn = forms::False;
    std::int32_t savedPrimaryColour = 0;
    std::int32_t savedAccentColour = 0;
    Boolean stopRequested = forms::False;
    Boolean picturesReady = forms::False;

    // ---- handlers ----
    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(Boolean& cancel, std::int16_t& unloadMode) override;
    void cmdExit_Click();
    void mnuFileExit_Click();
    void Command2_Click();
    void Timer2_Timer();
    void Timer1_Timer();
    void cmdClock_Click();
    void mnuFileClock_Click();
    void cmdMusic_Click();
    void mnuFileMusic_Click();
    void Command1_Click();

    // True when the file can be opened for input.
    Boolean IsFileThere(const std::wstring& inFileSpec);

    // ---- private procedures, open to the tests ----
    bool PreparePictureDC(forms::Picture pic, std::int16_t slot);
    void ShadePicture(forms::PictureBox& src, forms::PictureBox& dst, float factor);
    void GradientStep();
    void PictureStep();
    void BuildAboutLines();
    // Where the logo row copies its logo from, by the zone of its top.
    forms::Handle LogoSource(ScrollZone zone);
    void InitMenuBitmaps();
    void SetMenuItemImage(std::int16_t pos, Boolean state);
    void MusicStep();
    void DrawMusicLabelFrame();
    // n nested one-pixel frames around the rectangle x, y, w, h on pic:
    // left and top edges in c1, right and bottom in c2. Raises n to 1.
    void DrawBevel(forms::PictureBox& pic, std::int32_t& x, std::int32_t& y, std::int32_t& w, std::int32_t& h, std::int32_t& n,
                   std::int32_t& c1, std::int32_t& c2);

private:
    // A row of the about text as last measured, in the font size it was
    // measured in: the scroller needs each row's size several times a tick,
    // and the text and fonts stay the same from tick to tick (the table
    // never changes after the load, so a row's size is all that can).
    struct MeasuredRow {
        double points = 0;
        double width = 0, height = 0;
    };
    const MeasuredRow& Measure(int row);
    std::vector<MeasuredRow> measuredRows_;
    // Whether a row whose top is at top can have pixels on the frame.
    bool MayReachFrame(int row, float top);
    struct RowColour {
        double red = 0, green = 0, blue = 0;
    };
    // A row's colour by the zone its top lies in, before the upper clamp.
    RowColour ZoneColour(ScrollZone zone, float top) const;
    TitleOutline titleOutline_{api_};

    static std::wstring LabelName(const themes::LabelDesign& label) { return label.name != nullptr ? label.name : L""; }
    void ApplyDesign();
    void ApplyLabel(forms::Label& label, const themes::LabelDesign& design, forms::PixelRect rect);
    void ApplyThemeRects();
    void LayoutStep();
    void LogoBoxStep();
    void SetSysColour(std::int32_t element, std::uint32_t colour);
};

// The program's global face instances, each created on first reference.
class Program {
public:
    Program(forms::Application& app, forms::WinApi& api, const themes::ThemeTable& theme);
    ~Program();

    forms::Application& App() { return app_; }
    forms::WinApi& Api() { return api_; }
    const themes::ThemeTable& Theme() const { return theme_; }

    Face& Get(FaceId id);
    bool Exists(FaceId id) const { return faces_[static_cast<int>(id)] != nullptr; }
    Face& frmFancyfrm() { return Get(FaceId::Startup); }
    Face& frmFancyfrm1() { return Get(FaceId::Second); }
    Face& frmFancyfrm2() { return Get(FaceId::Third); }

    // Starts on the start-up face and runs until the program ends.
    void Run();

private:
    forms::Application& app_;
    forms::WinApi& api_;
    const themes::ThemeTable& theme_;
    std::array<std::unique_ptr<Face>, 3> faces_;
};

// Defined by each face's own file, with that face's design.
std::unique_ptr<Face> Make_frmFancyfrm(Program& program);
std::unique_ptr<Face> Make_frmFancyfrm1(Program& program);
std::unique_ptr<Face> Make_frmFancyfrm2(Program& program);

}  // namespace tint::faces
