#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

// A plain list of text lines, in the order they are given.
class ListBox : public Control {
public:
    struct Args {
        Bounds bounds = {};
    };
    void Create(Wnd& parent, const Args& args);

    int Count() const { return static_cast<int>(SendMessageW(Handle(), LB_GETCOUNT, 0, 0)); }
    std::string Line(int index) const;
    std::vector<std::string> Lines() const;
    void Add(std::string_view line);
    void Clear() { SendMessageW(Handle(), LB_RESETCONTENT, 0, 0); }
    // Replaces every line in one go, painted once at the end. The same lines again change
    // nothing: the user's selection and scroll position stay.
    void SetLines(const std::vector<std::string>& lines);
};

}  // namespace ui
