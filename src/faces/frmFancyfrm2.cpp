// The third face: leads back to the start-up face. It has no sword label.
#include "faces/face.h"

namespace tint::faces {

namespace {

// Design places in twips; the build's theme table moves some of them.
constexpr FaceLayout kLayout{
    .Text5 = {8610, 8040, 345, 285},
    .Text4 = {8310, 8040, 315, 285},
    .Text3 = {7980, 8040, 315, 285},
    .Command2 = {8010, 8820, 1005, 285},
    .Option1 = {6870, 8850, 1155, 255},
    .picBody = {0, 420, 9000, 8295},
    .toolBarLabel = {3600, 60, 2865, 285},
    .swordLabel = {0, 0, 0, 0},
    .picSBPanel1 = {0, 0, 1305, 345},
    .hintLabel = {2520, 90, 2145, 255},
    .hintOnBanner = false,
    .picBodyAfterOption1 = true,
    .cmdMusicFirst = true,
    .banner = false,
};

}  // namespace

std::unique_ptr<Face> Make_frmFancyfrm2(Program& program) { return std::make_unique<Face>(program, FaceId::Third, kLayout); }

}  // namespace tint::faces
