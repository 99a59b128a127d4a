// The start-up face: the first face the program shows, and the owner of the
// other two.
#include "faces/face.h"

namespace tint::faces {

namespace {

class frmFancyfrm final : public Face {
public:
    explicit frmFancyfrm(Program& program) : Face(program, FaceId::Startup) {
        Text5.Design().rect = Twips(8640, 7950, 315, 285);
        Text4.Design().rect = Twips(8280, 7950, 345, 285);
        Text3.Design().rect = Twips(7950, 7950, 345, 285);
        Command2.Design().rect = Twips(7950, 8820, 1005, 285);
        Option1.Design().rect = Twips(6840, 8820, 1095, 285);
        picToolBar.Design().rect = Twips(0, 0, 9045, 405);
        cmdExit.Design().rect = Twips(1170, 0, 1185, 345);
        cmdClock.Design().rect = Twips(1170, 0, 1185, 345);
        cmdMusic.Design().rect = Twips(0, 0, 1185, 345);
        Command1.Design().rect = Twips(8640, 0, 345, 345);
        picBody.Design().rect = Twips(-30, 390, 9000, 8385);
        ApplyThemeDesign();
    }
};

}  // namespace

std::unique_ptr<Face> Make_frmFancyfrm(Program& program) { return std::make_unique<frmFancyfrm>(program); }

}  // namespace tint::faces
