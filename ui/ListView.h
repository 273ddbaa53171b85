#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

// A list view in icon view, arranged automatically, without columns or image lists. Each
// item has a caption, the text shown, and sub-item texts kept with it.
class ListView : public Control {
public:
    struct Args {
        Bounds bounds = {};
        FontDesign font = kWindowFont;
    };
    struct Item {
        std::string caption;
        std::vector<std::string> subItems;
    };
    // Negative when a goes before b, 0 when equal, positive after.
    using Compare = std::function<int(const Item& a, const Item& b)>;

    ListView();
    ~ListView() override;
    void Create(Wnd& parent, const Args& args);

    void Clear();
    // Appends an item; returns its index.
    int Add(std::string_view caption, std::vector<std::string> subItems = {});
    // Orders the items once; items added later are appended after them.
    void Sort(const Compare& compare);
    int Count() const { return static_cast<int>(SendMessageW(Handle(), LVM_GETITEMCOUNT, 0, 0)); }
    std::string Caption(int index) const;
    // Sub-item `subItem` (0 for the first) of item `index`; empty when it has none.
    std::string SubItem(int index, int subItem) const;

    // An update bracket: nothing is painted between BeginUpdate and the matching EndUpdate.
    void BeginUpdate() { SuspendRedraw(); }
    void EndUpdate() { ResumeRedraw(); }

private:
    const Item* ItemAt(int index) const;

    // The items' own records; each list view item points at its record through its lParam.
    std::vector<std::unique_ptr<Item>> items_;
};

}  // namespace ui
