#pragma once
#include <string>

#include "ui/Label.h"

namespace ui {

// An underlined label that opens its URL (or, when the URL is blank, its caption) through
// the shell when clicked, with a hand pointer over it. After a successful open it turns
// purple for the rest of the run; a failed open changes nothing and shows no message.
class LinkLabel : public Label {
public:
    static constexpr COLORREF kVisited = RGB(128, 0, 128);

    struct Args {
        Bounds bounds = {};
        std::string_view text = {};
        std::string_view url = {};
        FontDesign font = kWindowFont;
    };
    void Create(Wnd& parent, const Args& args);
    const std::string& Url() const { return url_; }
    void SetUrl(std::string_view url) { url_ = url; }
    // What a click opens.
    std::string Target() const;
    // Does what a click does; true when the shell opened the target.
    bool Open();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    std::string url_;
};

}  // namespace ui
