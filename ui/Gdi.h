#pragma once
#include <windows.h>

#include "common/Owned.h"

namespace ui {

template <typename Handle>
using GdiObject = Owned<Handle, DeleteObject>;
using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Bitmap = GdiObject<HBITMAP>;
// An icon loaded from resources without LR_SHARED.
using Icon = Owned<HICON, DestroyIcon>;
// A DC made with CreateCompatibleDC (not one borrowed with GetDC or BeginPaint).
using MemoryDc = Owned<HDC, DeleteDC>;

// Selects an object into a DC for one scope. The object that was there is selected back
// on exit: a DC must never be released or deleted holding one of our objects.
class SelectObjectScope {
public:
    SelectObjectScope(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~SelectObjectScope() { SelectObject(dc_, old_); }
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// Puts a DC's state (clipping, origins, selections) back as it was at the start of the scope.
class SavedDcState {
public:
    explicit SavedDcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDcState() { RestoreDC(dc_, saved_); }
    SavedDcState(const SavedDcState&) = delete;
    SavedDcState& operator=(const SavedDcState&) = delete;

private:
    HDC dc_;
    int saved_;
};

// BeginPaint/EndPaint for one WM_PAINT (a borrowed DC, valid for the scope only).
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &ps_); }
    ~PaintScope() { EndPaint(window_, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC Dc() const { return dc_; }
    const RECT& Dirty() const { return ps_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// A window's client DC for one scope.
class ClientDc {
public:
    explicit ClientDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~ClientDc() { ReleaseDC(window_, dc_); }
    ClientDc(const ClientDc&) = delete;
    ClientDc& operator=(const ClientDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An off-screen DC with a bitmap of the given size selected, for flicker-free painting.
class BackBuffer {
public:
    BackBuffer(HDC target, int width, int height)
        : dc_(CreateCompatibleDC(target)),
          bitmap_(CreateCompatibleBitmap(target, width, height)),
          select_(dc_.Get(), bitmap_.Get()) {}
    ~BackBuffer() = default;
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;
    HDC Dc() const { return dc_.Get(); }

private:
    // Declaration order matters: the bitmap is selected out (select_) before either is deleted.
    MemoryDc dc_;
    Bitmap bitmap_;
    SelectObjectScope select_;
};

}  // namespace ui
