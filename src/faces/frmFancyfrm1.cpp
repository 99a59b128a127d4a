// The second face: shown from the start-up face, owned by it.
#include "faces/face.h"

namespace tint::faces {

namespace {

// Design places in twips; the build's theme table moves some of them.
constexpr FaceLayout kLayout{
    .Text5 = {8580, 8070, 375, 285},
    .Text4 = {8250, 8070, 345, 285},
    .Text3 = {7950, 8070, 315, 285},
    .Command2 = {7950, 8820, 1005, 285},
    .Option1 = {6780, 8820, 1155, 285},
    .picBody = {-270, 450, 9270, 8265},
    .toolBarLabel = {3600, 90, 2475, 285},
    .swordLabel = {7620, 60, 1005, 255},
    .picSBPanel1 = {0, 0, 1305, 345},
    .hintLabel = {2520, 90, 2145, 255},
    .hintOnBanner = false,
    .picBodyAfterOption1 = true,
    .cmdMusicFirst = false,
    .banner = false,
};

}  // namespace

std::unique_ptr<Face> Make_frmFancyfrm1(Program& program) { return std::make_unique<Face>(program, FaceId::Second, kLayout); }

}  // namespace tint::faces
