#include "ui/Image.h"

namespace ui {
namespace {
constexpr wchar_t kClassName[] = L"ui.Image";
}

void Image::Create(Wnd& parent, const Args& args) {
    RegisterOwnClass(kClassName, 0, nullptr);
    CreateControl(parent, {.className = kClassName, .style = WS_VISIBLE, .ownClass = true}, args.bounds);
    if (args.icon) SetIcon(args.icon);
}

void Image::SetIcon(const wchar_t* name) {
    iconName_ = name;
    LoadIconForSize();
    InvalidateRect(Handle(), nullptr, TRUE);
}

Canvas& Image::GetCanvas() {
    if (!canvas_) {
        RECT client;
        GetClientRect(Handle(), &client);
        canvas_ = std::make_unique<Canvas>(client.right, client.bottom);
    }
    return *canvas_;
}

void Image::ApplyDpi(int dpi) {
    Control::ApplyDpi(dpi);
    if (iconName_) LoadIconForSize();
    if (OnDpiChanged) OnDpiChanged();
}

void Image::LoadIconForSize() {
    RECT client;
    GetClientRect(Handle(), &client);
    icon_ = Icon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), iconName_, IMAGE_ICON, client.right, client.bottom, 0)));
}

LRESULT Image::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PaintScope paint(Handle());
        Paint(paint.Dc());
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    default:
        return Control::OnMessage(message, wParam, lParam);
    }
}

void Image::Paint(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    if (canvas_) {
        // Shown pixel for pixel: at a new DPI the owner draws a new canvas, never a stretched
        // one. Should that fail, the old one stays, on the face.
        BitBlt(dc, 0, 0, canvas_->Width(), canvas_->Height(), canvas_->Dc(), 0, 0, SRCCOPY);
        const SavedDcState saved(dc);
        ExcludeClipRect(dc, 0, 0, canvas_->Width(), canvas_->Height());
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    if (icon_.Get()) DrawIconEx(dc, 0, 0, icon_.Get(), client.right, client.bottom, 0, nullptr, DI_NORMAL);
}

}  // namespace ui
