#include "ui/LinkLabel.h"

#include "ui/Shell.h"

namespace ui {

void LinkLabel::Create(Wnd& parent, const Args& args) {
    url_ = args.url;
    CreateLabel(parent, {.bounds = args.bounds, .text = args.text, .font = args.font}, SS_NOTIFY);
}

std::string LinkLabel::Target() const { return url_.find_first_not_of(' ') == std::string::npos ? Caption() : url_; }

bool LinkLabel::Open() {
    if (!OpenWithShell(Target())) return false;
    SetColor(kVisited);
    return true;
}

LRESULT LinkLabel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR && LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    }
    return Label::OnMessage(message, wParam, lParam);
}

bool LinkLabel::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
        Open();
        result = 0;
        return true;
    }
    return Label::OnReflected(message, wParam, lParam, result);
}

}  // namespace ui
