// A picture object: what a control's Picture property or a picture box's
// Image holds. Copies share one picture; the window system that made it
// frees what it holds when the last copy goes.
#pragma once

#include <cstdint>
#include <memory>

namespace forms {

class Picture {
public:
    enum Kind : int { kNone = 0, kBitmap = 1, kMetafile = 2, kIcon = 3 };

    // A new, empty picture object.
    Picture() = default;
    Picture(int type, std::intptr_t handle, int width, int height, std::shared_ptr<void> owner = nullptr)
        : data_(std::make_shared<Data>(Data{type, handle, width, height, std::move(owner)})) {}

    int Type() const { return data_ ? data_->type : kNone; }
    std::intptr_t Handle() const { return data_ ? data_->handle : 0; }
    int Width() const { return data_ ? data_->width : 0; }
    int Height() const { return data_ ? data_->height : 0; }
    bool Empty() const { return Type() == kNone; }

private:
    struct Data {
        int type;
        std::intptr_t handle;
        int width, height;
        std::shared_ptr<void> owner;  // keeps the platform's object alive
    };
    std::shared_ptr<const Data> data_;
};

}  // namespace forms
