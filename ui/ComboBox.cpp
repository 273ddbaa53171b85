#include "ui/ComboBox.h"

#include <algorithm>
#include <stdexcept>

#include "common/Placement.h"
#include "common/Unicode.h"

namespace ui {
namespace {

// Room around an entry's icon and text, at 96 DPI.
constexpr int kPadding = 2;

}  // namespace

void ComboBox::Create(Wnd& parent, const Args& args) {
    ownerDrawn_ = args.withIcons;
    DWORD style = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    if (ownerDrawn_) style |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    // A drop-down list's window height is that of its opened list; the closed box's height
    // follows from the font, or from the item height we set.
    Bounds dropped = args.bounds;
    dropped.height = args.bounds.height * 10;
    CreateControl(parent, {.className = L"COMBOBOX", .style = style}, dropped);
    ApplyItemHeight();
}

void ComboBox::Clear() {
    SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
    itemIcons_.clear();
    reported_ = -1;
}

int ComboBox::Add(std::string_view text, LPARAM data, int icon) {
    const std::wstring wide = Widen(text);
    const auto index =
        static_cast<int>(SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
    if (index < 0) throw std::runtime_error("the drop-down list has no room for another entry");
    SendMessageW(Handle(), CB_SETITEMDATA, static_cast<WPARAM>(index), data);
    itemIcons_.insert(itemIcons_.begin() + index, icon);
    return index;
}

std::string ComboBox::ItemText(int index) const {
    const auto length = SendMessageW(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied =
        SendMessageW(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
    return Narrow(text);
}

void ComboBox::SetIcons(HIMAGELIST icons) {
    icons_ = icons;
    ApplyItemHeight();
    InvalidateRect(Handle(), nullptr, TRUE);
}

void ComboBox::SetSelectedIndex(int index) {
    SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    reported_ = SelectedIndex();
}

void ComboBox::RaiseIfChanged() {
    const int selected = SelectedIndex();
    if (selected == reported_) return;
    reported_ = selected;
    if (OnChange) OnChange();
}

bool ComboBox::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_DRAWITEM) {
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    }
    if (message != WM_COMMAND) return Control::OnReflected(message, wParam, lParam, result);
    switch (HIWORD(wParam)) {
    case CBN_SELCHANGE:
        // With the list open, every arrow key moves the choice: the pick is made when it closes.
        if (!SendMessageW(Handle(), CB_GETDROPPEDSTATE, 0, 0)) RaiseIfChanged();
        break;
    case CBN_SELENDOK:
    case CBN_CLOSEUP:
        RaiseIfChanged();
        break;
    default:
        return false;
    }
    result = 0;
    return true;
}

void ComboBox::ApplyDpi(int dpi) {
    Control::ApplyDpi(dpi);
    ApplyItemHeight();
}

void ComboBox::ApplyItemHeight() {
    if (!ownerDrawn_) return;  // a standard box measures its own entries
    TEXTMETRICW metrics{};
    {
        ClientDc dc(Handle());
        SelectObjectScope font(dc.Get(), CurrentFont());
        GetTextMetricsW(dc.Get(), &metrics);
    }
    int iconWidth = 0, iconHeight = 0;
    if (icons_) ImageList_GetIconSize(icons_, &iconWidth, &iconHeight);
    const int height = std::max<int>(metrics.tmHeight, iconHeight) + ScaleForDpi(kPadding, Dpi());
    SendMessageW(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);  // the closed box
    SendMessageW(Handle(), CB_SETITEMHEIGHT, 0, height);                        // the entries
}

void ComboBox::DrawItem(const DRAWITEMSTRUCT& item) const {
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID == static_cast<UINT>(-1)) return;  // an empty box
    const int index = static_cast<int>(item.itemID);
    const int padding = ScaleForDpi(kPadding, Dpi());
    int left = item.rcItem.left + padding;
    if (icons_ && index < static_cast<int>(itemIcons_.size()) && itemIcons_[static_cast<std::size_t>(index)] >= 0) {
        int width = 0, height = 0;
        ImageList_GetIconSize(icons_, &width, &height);
        const int top = (item.rcItem.top + item.rcItem.bottom - height) / 2;
        ImageList_Draw(icons_, itemIcons_[static_cast<std::size_t>(index)], item.hDC, left, top, ILD_TRANSPARENT);
        left += width + padding;
    }
    const std::wstring text = Widen(ItemText(index));
    RECT textRect = item.rcItem;
    textRect.left = left;
    const int oldMode = SetBkMode(item.hDC, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SetTextColor(item.hDC, oldColor);
    SetBkMode(item.hDC, oldMode);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(item.hDC, &item.rcItem);
}

}  // namespace ui
