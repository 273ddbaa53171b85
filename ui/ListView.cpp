#include "ui/ListView.h"

#include <exception>
#include <stdexcept>

#include "common/Unicode.h"

namespace ui {
namespace {

struct SortContext {
    const ListView::Compare* compare;
    std::exception_ptr error;
};

// Called by the list view: no exception may pass through its frames.
int CALLBACK CompareItems(LPARAM a, LPARAM b, LPARAM context) noexcept {
    auto* sort = reinterpret_cast<SortContext*>(context);
    if (sort->error) return 0;
    try {
        return (*sort->compare)(*reinterpret_cast<const ListView::Item*>(a),
                                *reinterpret_cast<const ListView::Item*>(b));
    } catch (...) {
        sort->error = std::current_exception();
        return 0;
    }
}

}  // namespace

ListView::ListView() = default;
ListView::~ListView() { DestroyHandle(); }  // the window goes before the records it points at

void ListView::Create(Wnd& parent, const Args& args) {
    CreateControl(parent,
                  {.className = WC_LISTVIEWW,
                   .style = WS_VISIBLE | WS_TABSTOP | LVS_ICON | LVS_AUTOARRANGE,
                   .exStyle = WS_EX_CLIENTEDGE},
                  args.bounds, {}, args.font);
}

void ListView::Clear() {
    SendMessageW(Handle(), LVM_DELETEALLITEMS, 0, 0);
    items_.clear();
}

int ListView::Add(std::string_view caption, std::vector<std::string> subItems) {
    auto record = std::make_unique<Item>(Item{std::string(caption), std::move(subItems)});
    std::wstring text = Widen(caption);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = Count();
    item.pszText = text.data();
    item.lParam = reinterpret_cast<LPARAM>(record.get());
    items_.reserve(items_.size() + 1);  // no failure may come after the control holds the pointer
    const auto index = static_cast<int>(SendMessageW(Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (index < 0) throw std::runtime_error("the list has no room for another item");
    items_.push_back(std::move(record));
    return index;
}

void ListView::Sort(const Compare& compare) {
    SortContext context{&compare, nullptr};
    SendMessageW(Handle(), LVM_SORTITEMS, reinterpret_cast<WPARAM>(&context), reinterpret_cast<LPARAM>(&CompareItems));
    if (context.error) std::rethrow_exception(context.error);
}

const ListView::Item* ListView::ItemAt(int index) const {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    if (!SendMessageW(Handle(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return nullptr;
    return reinterpret_cast<const Item*>(item.lParam);
}

std::string ListView::Caption(int index) const {
    const Item* item = ItemAt(index);
    return item ? item->caption : std::string();
}

std::string ListView::SubItem(int index, int subItem) const {
    const Item* item = ItemAt(index);
    if (!item || subItem < 0 || subItem >= static_cast<int>(item->subItems.size())) return {};
    return item->subItems[static_cast<std::size_t>(subItem)];
}

}  // namespace ui
