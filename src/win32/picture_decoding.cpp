#include "win32/picture_decoding.h"

#include <ole2.h>
#include <olectl.h>

#include <cstring>
#include <memory>

namespace tint::win32 {

forms::Picture DecodePicture(HINSTANCE instance, const std::wstring& name) {
    HRSRC resource = ::FindResourceW(instance, name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (resource == nullptr) return {};
    DWORD size = ::SizeofResource(instance, resource);
    const void* bytes = ::LockResource(::LoadResource(instance, resource));
    HGLOBAL copy = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (bytes == nullptr || copy == nullptr) return {};
    std::memcpy(::GlobalLock(copy), bytes, size);
    ::GlobalUnlock(copy);
    IStream* stream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(copy, TRUE, &stream))) {
        ::GlobalFree(copy);
        return {};
    }
    IPicture* picture = nullptr;
    HRESULT hr = ::OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
    stream->Release();
    if (FAILED(hr) || picture == nullptr) return {};
    SHORT type = 0;
    OLE_HANDLE handle = 0;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture->get_Type(&type);
    picture->get_Handle(&handle);
    picture->get_Width(&width);
    picture->get_Height(&height);
    // Picture sizes come in hundredths of a millimetre, at 96 pixels an inch.
    int pixelsWide = ::MulDiv(width, 96, 2540);
    int pixelsHigh = ::MulDiv(height, 96, 2540);
    // GDI handles carry 32 significant bits, sign-extended on 64-bit Windows.
    auto full = static_cast<forms::Handle>(static_cast<LONG>(handle));
    std::shared_ptr<void> owner(picture, [](void* p) { static_cast<IPicture*>(p)->Release(); });
    return forms::Picture(type, full, pixelsWide, pixelsHigh, owner);
}

}  // namespace tint::win32
