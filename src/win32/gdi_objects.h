// Owners for the GDI objects the program makes, and a count of those alive.
// Wine's GetGuiResources answers 0, so the program counts its own objects to
// show that a running face holds a flat number of them.
#pragma once

#include <windows.h>

#include <utility>

namespace tint::win32 {

// GDI objects made and not yet freed, by this process's own code.
long LiveGdiObjects();
void CountGdiObjects(long delta);

// One owned handle; move-only, freed when the owner goes.
template <class Handle, auto Free>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {
        if (handle_ != nullptr) CountGdiObjects(+1);
    }
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() { Reset(); }

    Handle Get() const { return handle_; }
    void Reset() {
        if (handle_ == nullptr) return;
        Free(handle_);
        CountGdiObjects(-1);
        handle_ = nullptr;
    }

private:
    Handle handle_ = nullptr;
};

inline BOOL DeleteGdiObject(HGDIOBJ object) { return ::DeleteObject(object); }

using OwnedDC = Owned<HDC, &::DeleteDC>;
using OwnedBitmap = Owned<HBITMAP, &DeleteGdiObject>;
using OwnedBrush = Owned<HBRUSH, &DeleteGdiObject>;
using OwnedFont = Owned<HFONT, &DeleteGdiObject>;

// An object selected into a device context for a while; the one it displaced
// goes back when this ends.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() {
        if (old_ != nullptr) ::SelectObject(dc_, old_);
    }
    bool Succeeded() const { return old_ != nullptr; }
    // Another object in the same place; the one first displaced still goes
    // back at the end.
    void Replace(HGDIOBJ object) { ::SelectObject(dc_, object); }

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace tint::win32
