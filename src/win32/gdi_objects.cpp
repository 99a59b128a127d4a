#include "win32/gdi_objects.h"

namespace tint::win32 {

namespace {
// One thread makes every object, so a plain counter does.
long liveObjects = 0;
}  // namespace

long LiveGdiObjects() { return liveObjects; }

void CountGdiObjects(long delta) { liveObjects += delta; }

}  // namespace tint::win32
