// Drawing that several parts of the window system share: colours as the
// designs give them, fills, pictures, and what a container paints for the
// controls that have no window of their own.
#pragma once

#include <map>
#include <vector>

#include "forms/picture.h"
#include "forms/window_system.h"
#include "win32/gdi_objects.h"

namespace tint::win32 {

struct Record;
class FontCache;

COLORREF ToColorRef(forms::OleColour colour);

// Brushes a window hands the system to paint with, kept as long as the
// window system: a system colour's is the system's own, which follows the
// colour; a fixed colour's is made the first time it is asked for.
class BrushCache {
public:
    HBRUSH For(forms::OleColour colour);

private:
    std::map<COLORREF, OwnedBrush> solid_;
};

void FillWith(HDC dc, const RECT& rect, forms::OleColour colour);
RECT ToRect(const forms::PixelRect& r);
// A bitmap or icon picture at x, y; other kinds draw nothing.
void DrawPicture(HDC dc, const forms::Picture& picture, int x, int y);

// The labels and images a window paints itself, later ones first: the
// earlier in design order lies on top.
void PaintWindowless(const std::vector<Record*>& windowless, HDC dc, FontCache& fonts);

// The graphical button: its back colour with a raised or pressed edge, its
// picture in the middle, and the focus rectangle when it holds the focus.
void DrawGraphicalButton(const Record& button, const DRAWITEMSTRUCT& draw);

}  // namespace tint::win32
