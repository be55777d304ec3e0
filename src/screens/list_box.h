#pragma once

#include <string>
#include <vector>

#include "gui/gui_element.h"

namespace cv {

// A paged list of one-line entries, one of them selected. The page holds as
// many rows as the bounds fit. Choosing an entry, by a tap or by the up and
// down keys while focused, tells the parent the notification message with the
// entry's index as number; so does turning a page (the previous and next
// keys, PgUp and PgDown while focused, the wheel), which selects the page's
// first entry. Form files ask for it with "Item:ListBox".
class ListBox : public GuiElement {
public:
    ListBox();

    void paint() override;
    bool onPointer(const PointerEvent& event) override;
    bool onKey(int key, bool down) override;
    // A notch away from the user turns a page back, towards the user on.
    bool onWheel(int notches) override;

    // Replaces the entries; the first page shows with its first entry selected
    // (none when there are no entries).
    void setItems(std::vector<std::u16string> items);
    const std::vector<std::u16string>& items() const { return items_; }
    void setNotification(std::string name) { notification_ = std::move(name); }
    // A list whose entries are acted on: a tap on an entry, or the select or
    // start key while focused, also tells the parent this message with the
    // entry's index. None by default.
    void setActivation(std::string name) { activation_ = std::move(name); }

    // -1 when the list is empty.
    int selected() const { return selected_; }
    // Selects the entry (clamped into the list) and turns to its page.
    void select(int index);
    int firstShown() const { return first_; }
    int pageSize() const;
    bool hasPageBefore() const { return first_ > 0; }
    bool hasPageAfter() const { return first_ + pageSize() < static_cast<int>(items_.size()); }
    // One page back (-1) or on (1), selecting the page's first entry; nothing
    // happens where there is no page in that direction.
    void turnPage(int direction);

private:
    int rowHeight() const;
    int pageStepOf(int key) const;
    void choose(int index);
    void activate();

    std::vector<std::u16string> items_;
    int selected_ = -1;
    int first_ = 0;
    std::string notification_ = "ItemSelected";
    std::string activation_;
};

}  // namespace cv
