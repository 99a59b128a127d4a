// The second face: shown from the start-up face, owned by it.
#include "faces/face.h"

namespace tint::faces {

namespace {

class frmFancyfrm1 final : public Face {
public:
    explicit frmFancyfrm1(Program& program) : Face(program, FaceId::Second) {
        Text5.Design().rect = Twips(8580, 8070, 375, 285);
        Text4.Design().rect = Twips(8250, 8070, 345, 285);
        Text3.Design().rect = Twips(7950, 8070, 315, 285);
        Command2.Design().rect = Twips(7950, 8820, 1005, 285);
        Option1.Design().rect = Twips(6780, 8820, 1155, 285);
        picToolBar.Design().rect = Twips(0, 0, 9045, 405);
        cmdExit.Design().rect = Twips(1170, 0, 1185, 345);
        cmdClock.Design().rect = Twips(1170, 0, 1185, 345);
        cmdMusic.Design().rect = Twips(0, 0, 1185, 345);
        Command1.Design().rect = Twips(8640, 0, 345, 345);
        picBody.Design().rect = Twips(-270, 450, 9270, 8265);
        ApplyThemeDesign();
    }
};

}  // namespace

std::unique_ptr<Face> Make_frmFancyfrm1(Program& program) { return std::make_unique<frmFancyfrm1>(program); }

}  // namespace tint::faces
