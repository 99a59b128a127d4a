// The change-face button: hands the user on to the next face with its colour.
#include "faces/face.h"

namespace tint::faces {

using forms::True;

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

}  // namespace tint::faces
