// The 16 x 16 bitmaps beside the File menu's three items.
#include "faces/face.h"

namespace tint::faces {

namespace {
// MF_BITMAP, which the call has no use for; it lacks MF_BYPOSITION, which is
// what matters: the item is looked for in the menu bar and all its drop-downs.
constexpr std::int32_t kFindItemByCommandId = 4;
}  // namespace

void Face::InitMenuBitmaps() {
    const forms::Handle menuBar = api_.GetMenu(hWnd());
    const forms::Handle fileMenu = api_.GetSubMenu(menuBar, 0);
    forms::Image* pictures[] = {&imgMusic, &imgClock, &imgExit};
    for (std::int32_t position = 0; position < 3; ++position) {
        const std::int32_t id = api_.GetMenuItemID(fileMenu, position);
        // The same bitmap whether or not a check mark is set: none ever is.
        api_.SetMenuItemBitmaps(menuBar, id, kFindItemByCommandId, pictures[position]->Picture().Handle(), pictures[position]->Picture().Handle());
    }
}

void Face::SetMenuItemImage(std::int16_t pos, Boolean state) {
    const forms::Handle menuBar = api_.GetMenu(hWnd());
    const forms::Handle fileMenu = api_.GetSubMenu(menuBar, 0);
    const std::int32_t id = api_.GetMenuItemID(fileMenu, pos);
    // Only True itself is on: any other non-zero state shows the off picture.
    const bool on = state == forms::True;
    forms::Image& picture = pos == 0 ? (on ? imgMusic : ImgMusic2) : (on ? imgClock : imgClock2);
    api_.SetMenuItemBitmaps(menuBar, id, kFindItemByCommandId, picture.Picture().Handle(), picture.Picture().Handle());
}

}  // namespace tint::faces
