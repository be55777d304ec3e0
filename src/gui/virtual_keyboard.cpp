#include "gui/virtual_keyboard.h"

#include <algorithm>

#include "app/app_globals.h"
#include "gfx/graphics_device.h"
#include "gfx/image_cache.h"

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

}  // namespace

void VirtualKeyboard::load(Stream& stream) {
    std::vector<KeyboardPartition> partitions = ReadKeyboardFile(ReadAll(stream));
    for (auto& child : snapshot()) removeChild(child.get());
    partitions_ = std::move(partitions);
    AimSwitchKeys(partitions_, font());
    close_ = MakeCloseButton();
    for (auto& partition : partitions_) LayOut(partition, close_->bounds().width);
    shown_ = partitions_.size();
    partitions_[0].mode.clear();
    showPartition(0);
}

void VirtualKeyboard::showPartition(size_t index) {
    if (index >= partitions_.size()) return;
    if (shown_ < partitions_.size()) {
        for (auto& key : partitions_[shown_].keys) removeChild(key.get());
    }
    removeChild(close_.get());
    shown_ = index;
    for (auto& key : partitions_[shown_].keys) addChild(key);
    addChild(close_);
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
        Ref<VirtualKeyboard> keep(this);
        if (parent()) parent()->removeChild(this);
    } else if (message.name == "ChangeVKbdMode") {
        setMode(message.text);
    } else if (message.name != "SwitchLayer") {
        return Form::onMessage(message);
    }
    return true;
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
