// The music: one WAV file beside the program, looping from the face's load,
// switched with the music button or the Music command.
#include "faces/face.h"

namespace tint::faces {

namespace {
constexpr wchar_t kMusicOn[] = L"音乐打开";
constexpr wchar_t kMusicOff[] = L"音乐关闭";
constexpr std::uint32_t kPlayLooping = forms::kSndAsync | forms::kSndLoop;
}  // namespace

Boolean Face::IsFileThere(const std::wstring& inFileSpec) {
    // Any reason the open fails (no file, a folder, no access, a bad name) is False.
    int fileNumber = 0;
    try {
        fileNumber = App().FreeFile();
        App().OpenForInput(inFileSpec, fileNumber);
    } catch (const forms::RuntimeError&) {
        return forms::False;
    }
    forms::Skip([&] { App().Close(fileNumber); });
    return forms::True;
}

void Face::MusicStep() {
    // Appended as it is: a folder at a drive's root gives a doubled separator,
    // which Windows reads the same.
    musicFile = App().Path() + L"\\集结号.wav";
    if (IsFileThere(musicFile) != forms::False) {
        musicFound = forms::True;
        musicOn = forms::True;
        lblMusic.SetCaption(kMusicOn);
        api_.sndPlaySoundW(&musicFile, kPlayLooping);
    } else {
        musicFound = forms::False;
        musicOn = forms::False;
        mnuFileMusic.SetEnabled(false);
        cmdMusic.SetEnabled(false);
        lblMusic.SetCaption(kMusicOff);
    }
}

void Face::cmdMusic_Click() {
    if (musicFound == forms::False) return;
    musicOn = forms::Not(musicOn);
    if (musicOn != forms::False) {
        cmdMusic.SetPicture(imgMusic.Picture());
        // The tool tip names the state now in force.
        cmdMusic.SetToolTipText(kMusicOn);
        lblMusic.SetCaption(kMusicOn);
        api_.sndPlaySoundW(&musicFile, kPlayLooping);
    } else {
        cmdMusic.SetToolTipText(kMusicOff);
        cmdMusic.SetPicture(ImgMusic2.Picture());
        lblMusic.SetCaption(kMusicOff);
        api_.sndPlaySoundW(nullptr, forms::kSndAsync);
    }
    SetMenuItemImage(0, musicOn);
}

void Face::mnuFileMusic_Click() { cmdMusic_Click(); }

}  // namespace tint::faces
