// The start-up face: the first face the program shows, and the owner of the
// other two.
#include "faces/face.h"

namespace tint::faces {

namespace {

// Design places in twips; the build's theme table moves some of them.
constexpr FaceLayout kLayout{
    .Text5 = {8640, 7950, 315, 285},
    .Text4 = {8280, 7950, 345, 285},
    .Text3 = {7950, 7950, 345, 285},
    .Command2 = {7950, 8820, 1005, 285},
    .Option1 = {6840, 8820, 1095, 285},
    .picBody = {-30, 390, 9000, 8385},
    .toolBarLabel = {3600, 60, 2985, 195},
    .swordLabel = {7620, 60, 1035, 255},
    .picSBPanel1 = {-1110, 60, 6060, 1860},
    .hintLabel = {1080, 30, 4875, 285},
    .hintOnBanner = true,
    .picBodyAfterOption1 = false,
    .cmdMusicFirst = false,
    .banner = true,
};

}  // namespace

std::unique_ptr<Face> Make_frmFancyfrm(Program& program) { return std::make_unique<Face>(program, FaceId::Startup, kLayout); }

}  // namespace tint::faces
