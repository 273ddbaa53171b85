#include "ui/Wnd.h"

#include <commctrl.h>

#include "common/Unicode.h"
#include "ui/Dpi.h"

namespace ui {
namespace {

constexpr wchar_t kWrapperProperty[] = L"ui.Wnd";
constexpr UINT_PTR kSubclassId = 1;

// The child a parent-bound message is about, or null for any other message.
HWND ReflectedSource(UINT message, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        return reinterpret_cast<HWND>(lParam);  // null for menus and accelerators
    case WM_NOTIFY:
        return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;  // a menu's hwndItem is its HMENU
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSCROLLBAR:
        return reinterpret_cast<HWND>(lParam);
    default:
        return nullptr;
    }
}

}  // namespace

Wnd::~Wnd() { DestroyHandle(); }

Wnd* Wnd::FromHandle(HWND window) { return window ? static_cast<Wnd*>(GetPropW(window, kWrapperProperty)) : nullptr; }

std::string Wnd::Text() const {
    const int length = GetWindowTextLengthW(hwnd_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd_, text.data(), length + 1)));
    return Narrow(text);
}

void Wnd::SetText(std::string_view utf8) { SetWindowTextW(hwnd_, Widen(utf8).c_str()); }

int Wnd::Dpi() const {
    if (const Wnd* root = FromHandle(GetAncestor(hwnd_, GA_ROOT)); root && root != this) return root->Dpi();
    return WindowDpi(hwnd_);
}

void Wnd::HandleUncaught(std::exception_ptr) noexcept {}

void Wnd::RegisterOwnClass(const wchar_t* name, UINT style, HBRUSH background, const wchar_t* icon) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = OwnProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    if (icon) {
        // The big icon for Alt+Tab and the small one for the title bar and the taskbar, each
        // loaded at its own size rather than one shrunk from the other.
        wc.hIcon = static_cast<HICON>(LoadImageW(wc.hInstance, icon, IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                 GetSystemMetrics(SM_CYICON), LR_SHARED));
        wc.hIconSm = static_cast<HICON>(LoadImageW(wc.hInstance, icon, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    }
    RegisterClassExW(&wc);  // fails harmlessly with ERROR_CLASS_ALREADY_EXISTS
}

HWND Wnd::CreateOwn(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, RECT bounds,
                    HWND parent) {
    CreateWindowExW(exStyle, className, text, style, bounds.left, bounds.top, bounds.right - bounds.left,
                    bounds.bottom - bounds.top, parent, nullptr, GetModuleHandleW(nullptr), this);
    return hwnd_;  // set by OwnProc at WM_NCCREATE
}

HWND Wnd::CreateStandard(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, RECT bounds,
                         HWND parent) {
    HWND window = CreateWindowExW(exStyle, className, text, style, bounds.left, bounds.top, bounds.right - bounds.left,
                                  bounds.bottom - bounds.top, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window) return nullptr;
    Attach(window);
    subclassed_ = SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
    return window;
}

void Wnd::DestroyHandle() {
    if (!hwnd_) return;
    HWND window = hwnd_;
    Detach();  // no message of the dying window reaches a half-destroyed wrapper
    DestroyWindow(window);
}

void Wnd::Attach(HWND window) {
    hwnd_ = window;
    SetPropW(window, kWrapperProperty, this);
}

void Wnd::Detach() {
    if (subclassed_) RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
    RemovePropW(hwnd_, kWrapperProperty);
    subclassed_ = false;
    hwnd_ = nullptr;
}

LRESULT Wnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) { return DefaultProc(message, wParam, lParam); }

LRESULT Wnd::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return subclassed_ ? DefSubclassProc(hwnd_, message, wParam, lParam)
                       : DefWindowProcW(hwnd_, message, wParam, lParam);
}

bool Wnd::OnReflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT Wnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (HWND source = ReflectedSource(message, lParam); source && source != hwnd_) {
        LRESULT result = 0;
        if (Wnd* child = FromHandle(source); child && child->OnReflected(message, wParam, lParam, result))
            return result;
    }
    if (message == WM_NCDESTROY) {
        const LRESULT result = DefaultProc(message, wParam, lParam);
        Detach();
        return result;
    }
    return OnMessage(message, wParam, lParam);
}

LRESULT Wnd::Contained(Wnd* self, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return self->Dispatch(message, wParam, lParam);
    } catch (...) {
        if (Wnd* root = FromHandle(GetAncestor(window, GA_ROOT))) root->HandleUncaught(std::current_exception());
        return 0;
    }
}

LRESULT CALLBACK Wnd::OwnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Wnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->Attach(window);
    }
    Wnd* self = FromHandle(window);
    return self ? Contained(self, window, message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK Wnd::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    return Contained(reinterpret_cast<Wnd*>(data), window, message, wParam, lParam);
}

}  // namespace ui
