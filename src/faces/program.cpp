// The program's three global faces, each made on first reference.
#include "faces/face.h"

namespace tint::faces {

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
