#include "gui/virtual_keyboard.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "app/app_globals.h"
#include "gfx/graphics_device.h"
#include "gfx/image_cache.h"
#include "gui/gui_keys.h"

namespace cv {
namespace {

constexpr int kInset = 2;  // between the keyboard's edge and its keys
constexpr int kKeyGap = 2;
constexpr int kPartitionMargin = 3;

// Rows from the top left; the first row leaves room at its end for the
// "Close" button.
void LayOut(KeyboardPartition& partition, int closeWidth) {
    Point at{kInset, kInset};
    Size extent{kInset + closeWidth, 0};
    int rowHeight = 0;
    for (auto& key : partition.keys) {
        if (!key) {
            if (at.y == kInset) extent.width = std::max(extent.width, at.x + closeWidth);
            at = {kInset, at.y + rowHeight + kKeyGap};
            rowHeight = 0;
            continue;
        }
        const Size size = key->naturalSize();
        key->setOffset(at);
        key->setBounds({0, 0, size.width, size.height});
        extent = {std::max(extent.width, at.x + size.width),
                  std::max(extent.height, at.y + size.height)};
        at.x += size.width + kKeyGap;
        rowHeight = std::max(rowHeight, size.height);
    }
    if (at.y == kInset) extent.width = std::max(extent.width, at.x + closeWidth);
    partition.size = {extent.width + kPartitionMargin, extent.height + kPartitionMargin};
}

// Each switch key names the partition after its own; all are as wide as the
// longest name.
void AimSwitchKeys(std::vector<KeyboardPartition>& partitions, const Font* font) {
    int widest = 0;
    for (const auto& partition : partitions) {
        widest = std::max(widest, font ? font->getTextSize(partition.name).width : 0);
    }
    for (size_t i = 0; i < partitions.size(); ++i) {
        const size_t next = (i + 1) % partitions.size();
        for (auto& key : partitions[i].keys) {
            if (auto* switchKey = dynamic_cast<SwitchKey*>(key.get())) {
                switchKey->setTarget(next, partitions[next].name, widest);
            }
        }
    }
}

Ref<PictureButton> MakeCloseButton() {
    Ref<PictureButton> close = MakeRef<PictureButton>();
    close->setName("Close");
    close->setPicture(Button::kNormal, getImage("Img\\STDGUI\\Cancel_Norm"));
    close->setPicture(Button::kSelected, getImage("Img\\STDGUI\\Cancel_Select"));
    close->setPicture(Button::kPressed, getImage("Img\\STDGUI\\Cancel_Pressed"));
    const Size size = close->shownPicture()->getSize();
    close->setBounds({0, 0, size.width, size.height});
    return close;
}

template <class T>
int IndexOf(const std::vector<T>& items, const T& item) {
    return static_cast<int>(std::find(items.begin(), items.end(), item) - items.begin());
}

// The item at `index`, counted round the ends.
template <class T>
T Round(const std::vector<T>& items, int index) {
    const int count = static_cast<int>(items.size());
    return items[((index % count) + count) % count];
}

// The keys' rows by their tops, from the top down.
std::vector<int> RowTops(const std::vector<GuiElement*>& keys) {
    std::vector<int> rows;
    for (GuiElement* key : keys) rows.push_back(key->bounds().y);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

// The keys of the row at `top`, from the left.
std::vector<GuiElement*> KeysInRow(const std::vector<GuiElement*>& keys, int top) {
    std::vector<GuiElement*> row;
    for (GuiElement* key : keys) {
        if (key->bounds().y == top) row.push_back(key);
    }
    std::sort(row.begin(), row.end(),
              [](GuiElement* a, GuiElement* b) { return a->bounds().x < b->bounds().x; });
    return row;
}

}  // namespace

void VirtualKeyboard::load(Stream& stream) {
    std::vector<KeyboardPartition> partitions = ReadKeyboardFile(ReadAll(stream));
    for (auto& child : snapshot()) removeChild(child.get());
    partitions_ = std::move(partitions);
    AimSwitchKeys(partitions_, font());
    close_ = MakeCloseButton();
    for (auto& partition : partitions_) {
        LayOut(partition, close_->bounds().width);
        for (auto& key : partition.keys) {
            if (key) key->setTabStop(true);
        }
    }
    close_->setTabStop(true);
    shown_ = partitions_.size();
    partitions_[0].mode.clear();
    showPartition(0);
}

// The keys keep no focus until a direction key asks for one; a switch key
// that had it hands it to the next partition's switch key.
void VirtualKeyboard::showPartition(size_t index) {
    if (index >= partitions_.size()) return;
    const bool switching = dynamic_cast<SwitchKey*>(focusedChild()) != nullptr;
    if (shown_ < partitions_.size()) {
        for (auto& key : partitions_[shown_].keys) removeChild(key.get());
    }
    removeChild(close_.get());
    shown_ = index;
    GuiElement* focus = nullptr;
    for (auto& key : partitions_[shown_].keys) {
        addChild(key);
        if (switching && dynamic_cast<SwitchKey*>(key.get())) focus = key.get();
    }
    addChild(close_);
    setFocusTo(focus);
    setMode(partitions_[shown_].mode);
    if (placedAtBottom_) {
        place(*placedAtBottom_);
    } else {
        setBounds({bounds().x, bounds().y, partitions_[shown_].size.width,
                   partitions_[shown_].size.height});
    }
}

void VirtualKeyboard::place(bool atBottom) {
    placedAtBottom_ = atBottom;
    // The logical screen is the device's portrait screen turned.
    const int screenWidth = DeviceScreen().height, screenHeight = DeviceScreen().width;
    const Size size = shown_ < partitions_.size() ? partitions_[shown_].size : Size{};
    const int x = (screenWidth - size.width) / 2;
    if (atBottom) {
        setBounds({x, screenHeight - (size.height + 4) - 4, size.width, size.height + 8});
    } else {
        setBounds({x, 0, size.width, size.height + 5});
    }
}

void VirtualKeyboard::setBounds(const Rect& b) {
    Form::setBounds(b);
    placeKeys();
    if (!close_) return;
    const Rect& c = close_->bounds();
    close_->setBounds({b.x + b.width - kInset - c.width, b.y + kInset, c.width, c.height});
    requestRedraw();
}

void VirtualKeyboard::placeKeys() {
    if (shown_ >= partitions_.size()) return;
    for (auto& key : partitions_[shown_].keys) {
        if (!key) continue;
        const Rect& r = key->bounds();
        key->setBounds(
            {bounds().x + key->offset().x, bounds().y + key->offset().y, r.width, r.height});
    }
}

bool VirtualKeyboard::onMessage(const Message& message) {
    if (message.name == "Button" && message.sender.get() == close_.get()) {
        close();
    } else if (message.name == "ChangeVKbdMode") {
        setMode(message.text);
    } else if (message.name != "SwitchLayer") {
        return Form::onMessage(message);
    }
    return true;
}

// Direction keys walk the keys (the first one takes the focus), select or
// start type the focused one, and Esc that the text below does not use to
// take back a character closes the keyboard.
bool VirtualKeyboard::onKey(int key, bool down) {
    const bool direction = isGuiKey(kRoleUp, key) || isGuiKey(kRoleDown, key) ||
                           isGuiKey(kRoleLeft, key) || isGuiKey(kRoleRight, key);
    if (down && direction && !focusedChild()) {
        const std::vector<GuiElement*> keys = focusableKeys();
        if (!keys.empty()) setFocusTo(keys.front());
        return true;
    }
    if (Form::onKey(key, down)) return true;
    if (!down || !isGuiKey(kRoleEsc, key)) return false;
    close();
    return true;
}

std::vector<GuiElement*> VirtualKeyboard::focusableKeys() const {
    std::vector<GuiElement*> keys;
    for (const auto& child : children()) {
        if (child->canTakeFocus()) keys.push_back(child.get());
    }
    return keys;
}

// The keys are walked as they look: left and right along the row, round at
// its ends; up and down to the nearest key of the row above or below, from
// the last row round to the first.
bool VirtualKeyboard::navigate(int key) {
    GuiElement* focused = focusedChild();
    const bool across = isGuiKey(kRoleLeft, key) || isGuiKey(kRoleRight, key);
    const bool along = isGuiKey(kRoleUp, key) || isGuiKey(kRoleDown, key);
    if (!focused || (!across && !along)) return Form::navigate(key);
    const int step = isGuiKey(kRoleLeft, key) || isGuiKey(kRoleUp, key) ? -1 : 1;
    const std::vector<GuiElement*> keys = focusableKeys();
    const std::vector<int> rows = RowTops(keys);
    const int row = IndexOf(rows, focused->bounds().y);
    const std::vector<GuiElement*> inRow =
        KeysInRow(keys, across ? rows[row] : Round(rows, row + step));
    if (across) {
        setFocusTo(Round(inRow, IndexOf(inRow, focused) + step));
        return true;
    }
    const auto offset = [focused](GuiElement* k) {
        return std::abs(2 * k->bounds().x + k->bounds().width - 2 * focused->bounds().x -
                        focused->bounds().width);
    };
    setFocusTo(*std::min_element(inRow.begin(), inRow.end(), [&](GuiElement* a, GuiElement* b) {
        return offset(a) < offset(b);
    }));
    return true;
}

// Shown again, it starts without a focused key.
void VirtualKeyboard::close() {
    Ref<VirtualKeyboard> keep(this);
    setFocusTo(nullptr);
    if (parent()) parent()->removeChild(this);
}

void VirtualKeyboard::setMode(const std::string& mode) {
    if (shown_ >= partitions_.size()) return;
    partitions_[shown_].mode = mode;
    for (auto& key : partitions_[shown_].keys) {
        if (key) key->showMode(mode);
    }
    requestRedraw();
}

void VirtualKeyboard::drawBackground() {
    IPainter* painter = CurrentPainter();
    if (!painter) return;
    painter->setColor(color(kColorPanel));
    painter->fillRect(bounds());
    painter->setColor(color(kColorGray));
    painter->drawRect(bounds());
}

}  // namespace cv
