#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

// A drop-down list to choose one entry from. With icons, each entry shows a small icon from
// an image list before its text; the entries keep their strings either way, so screen
// readers and CB_GETLBTEXT read every one.
class ComboBox : public Control {
public:
    struct Args {
        Bounds bounds = {};  // the height is the closed box's; the list drops below it
        // Owner-drawn with an icon before each entry; the image list comes with SetIcons.
        bool withIcons = false;
    };

    // Raised once per pick by the user, mouse or keyboard, open list or closed, when the
    // entry chosen differs from the last one raised or set; never for SetSelectedIndex.
    std::function<void()> OnChange;

    void Create(Wnd& parent, const Args& args);
    void Clear();
    // Appends an entry with its data and the index of its icon in the image list (-1: none);
    // returns its index.
    int Add(std::string_view text, LPARAM data = 0, int icon = -1);
    int Count() const { return static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0)); }
    std::string ItemText(int index) const;
    LPARAM ItemData(int index) const { return SendMessageW(Handle(), CB_GETITEMDATA, static_cast<WPARAM>(index), 0); }
    // -1 when no entry is chosen.
    int SelectedIndex() const { return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0)); }
    void SetSelectedIndex(int index);

    // The image list the entries' icons come from: borrowed, never destroyed (the system's
    // list, for one). Given when the entries are made rather than at creation, since making
    // the system's list costs start-up time.
    void SetIcons(HIMAGELIST icons);

    void ApplyDpi(int dpi) override;

protected:
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void RaiseIfChanged();
    void ApplyItemHeight();
    void DrawItem(const DRAWITEMSTRUCT& item) const;

    bool ownerDrawn_ = false;
    HIMAGELIST icons_ = nullptr;
    std::vector<int> itemIcons_;  // per entry, in entry order
    int reported_ = -1;
};

}  // namespace ui
