// The third face: leads back to the start-up face.
#include "faces/face.h"

namespace tint::faces {

namespace {

class frmFancyfrm2 final : public Face {
public:
    explicit frmFancyfrm2(Program& program) : Face(program, FaceId::Third) {
        Text5.Design().rect = Twips(8610, 8040, 345, 285);
        Text4.Design().rect = Twips(8310, 8040, 315, 285);
        Text3.Design().rect = Twips(7980, 8040, 315, 285);
        Command2.Design().rect = Twips(8010, 8820, 1005, 285);
        Option1.Design().rect = Twips(6870, 8850, 1155, 255);
        picToolBar.Design().rect = Twips(0, 0, 9045, 405);
        cmdExit.Design().rect = Twips(1170, 0, 1185, 345);
        cmdClock.Design().rect = Twips(1170, 0, 1185, 345);
        cmdMusic.Design().rect = Twips(0, 0, 1185, 345);
        Command1.Design().rect = Twips(8640, 0, 345, 345);
        picBody.Design().rect = Twips(0, 420, 9000, 8295);
        ApplyThemeDesign();
    }
};

}  // namespace

std::unique_ptr<Face> Make_frmFancyfrm2(Program& program) { return std::make_unique<frmFancyfrm2>(program); }

}  // namespace tint::faces
