// With visual styles the tab control paints its own display area; the pages are placed
// inside it at their design origin. Whatever the theme paints there must not show as a frame
// of another colour around the page, and labels must stand on the page's own face.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <vector>

#include "MainWindowFixture.h"

namespace {

// Gives the dialog face a colour no theme paints for the length of a test, so that a pixel
// the theme draws itself cannot pass for the face. System colours belong to the whole
// session: the old one comes back at the end.
class UnusualFace {
public:
    static constexpr COLORREF kColor = RGB(200, 224, 248);
    UnusualFace() : old_(GetSysColor(COLOR_BTNFACE)) { Set(kColor); }
    ~UnusualFace() { Set(old_); }
    UnusualFace(const UnusualFace&) = delete;
    UnusualFace& operator=(const UnusualFace&) = delete;

private:
    static void Set(COLORREF color) {
        const int element = COLOR_BTNFACE;
        SetSysColors(1, &element, &color);
    }
    COLORREF old_;
};

// The pixels of `window`'s client area as the screen shows them.
class Screen {
public:
    explicit Screen(HWND window) : window_(window) {
        RedrawWindow(GetAncestor(window, GA_ROOT), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        dc_ = GetDC(window);
    }
    ~Screen() { ReleaseDC(window_, dc_); }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y) & 0xFFFFFF; }

private:
    HWND window_;
    HDC dc_;
};

std::vector<HWND> ChildrenOfClass(HWND parent, const wchar_t* className) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        if (lstrcmpiW(name, className) == 0 && IsWindowVisible(child)) found.push_back(child);
        const std::vector<HWND> deeper = ChildrenOfClass(child, className);
        found.insert(found.end(), deeper.begin(), deeper.end());
    }
    return found;
}

TEST_F(MainWindowTest, EveryPageMeetsTheTabFrameAndItsLabelsStandOnOneFace) {
    CreateAndShow();
    // Changed while the window runs: the controls hear of it through the window.
    const UnusualFace face;
    PumpFor(std::chrono::milliseconds(100));
    ui::Notebook& notebook = form_->TabbedNotebook1;
    HWND tabs = notebook.Handle();
    for (int index = 0; index < notebook.PageCount(); ++index) {
        notebook.SelectPage(index);
        PumpFor(std::chrono::milliseconds(50));
        ui::Page& page = notebook.Pages(index);

        // Outward from the page's left, right and bottom edges: the page's face right up to
        // the control's frame, which is at most a 3D edge wide (thinner themed).
        RECT client;
        GetClientRect(tabs, &client);
        const RECT pageRect = RectInParent(page.Handle());  // the tab row and the page share a parent
        const int frame = GetSystemMetrics(SM_CXEDGE);
        const Screen tabScreen(tabs);
        const auto faceRun = [&](POINT from, int dx, int dy) {
            int run = 0;
            for (POINT at = from; PtInRect(&client, at) && tabScreen.At(at.x, at.y) == UnusualFace::kColor;
                 at.x += dx, at.y += dy)
                ++run;
            return run;
        };
        for (int y = pageRect.top; y < pageRect.bottom; y += 7) {
            EXPECT_GE(faceRun({pageRect.left - 1, y}, -1, 0), pageRect.left - frame) << "page " << index << " y " << y;
            EXPECT_GE(faceRun({pageRect.right, y}, 1, 0), client.right - pageRect.right - frame)
                << "page " << index << " y " << y;
        }
        for (int x = pageRect.left; x < pageRect.right; x += 7)
            EXPECT_GE(faceRun({x, pageRect.bottom}, 0, 1), client.bottom - pageRect.bottom - frame)
                << "page " << index << " x " << x;

        // Each label's background is the face: its most common colour.
        for (HWND label : ChildrenOfClass(page.Handle(), L"Static")) {
            RECT rect;
            GetClientRect(label, &rect);
            const Screen labelScreen(label);
            std::map<COLORREF, int> colours;
            for (int y = 0; y < rect.bottom; ++y)
                for (int x = 0; x < rect.right; ++x) ++colours[labelScreen.At(x, y)];
            if (colours.empty()) continue;  // an empty label has no width
            auto most = colours.begin();
            for (auto it = colours.begin(); it != colours.end(); ++it)
                if (it->second > most->second) most = it;
            EXPECT_EQ(most->first, UnusualFace::kColor) << "page " << index << ": " << WindowText(label);
        }
    }
}

}  // namespace
