#include "ui/ListBox.h"

#include <stdexcept>

#include "common/Unicode.h"

namespace ui {

void ListBox::Create(Wnd& parent, const Args& args) {
    CreateControl(parent,
                  {.className = L"LISTBOX",
                   .style = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
                   .exStyle = WS_EX_CLIENTEDGE},
                  args.bounds);
}

std::string ListBox::Line(int index) const {
    const auto length = SendMessageW(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied =
        SendMessageW(Handle(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return Narrow(text);
}

std::vector<std::string> ListBox::Lines() const {
    std::vector<std::string> lines;
    const int count = Count();
    lines.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) lines.push_back(Line(i));
    return lines;
}

void ListBox::Add(std::string_view line) {
    const std::wstring text = Widen(line);
    const auto index = SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (index == LB_ERR || index == LB_ERRSPACE) throw std::runtime_error("the list has no room for another line");
}

void ListBox::SetLines(const std::vector<std::string>& lines) {
    if (Lines() == lines) return;
    const auto top = SendMessageW(Handle(), LB_GETTOPINDEX, 0, 0);
    RedrawSuspended quiet(*this);
    Clear();
    for (const std::string& line : lines) Add(line);
    // Keep the user's place in a list that changed only a little.
    if (top > 0 && top < Count()) SendMessageW(Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
}

}  // namespace ui
