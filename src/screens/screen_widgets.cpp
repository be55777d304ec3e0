#include "screens/screen_widgets.h"

#include "app/app_core.h"
#include "gfx/graphics_device.h"
#include "gfx/image_cache.h"
#include "gui/form.h"
#include "gui/gui_message.h"
#include "gui/widget_factory.h"
#include "screens/list_box.h"

namespace cv {
namespace {

const char* PlateOfState(int state) {
    switch (state) {
        case Button::kSelected:
            return "Img\\STDGUI\\Plate_Select";
        case Button::kPressed:
            return "Img\\STDGUI\\Plate_Pressed";
        case Button::kGrey:
            return "Img\\STDGUI\\Plate_Gray";
        default:
            return "Img\\STDGUI\\Plate_Norm";
    }
}

}  // namespace

PlateButton::PlateButton() {
    setJustification("CC");
}

void PlateButton::paint() {
    getImage(PlateOfState(shownState()))->draw({bounds().x, bounds().y}, kDrawPlain);
    TextButton::paint();
}

PortraitButton::PortraitButton() {
    setJustification("CB");
}

void PortraitButton::paint() {
    Ref<Sprite> portrait = getImage("Img\\Heroes\\" + name());
    const Size size = portrait->getSize();
    const Rect& b = bounds();
    const Point at{b.x + (b.width - size.width) / 2, b.y};
    portrait->draw(at, kDrawPlain);
    if (shownState() != kNormal && UsePaintColor(color(shownState()))) {
        CurrentPainter()->drawRect({at.x - 2, at.y - 2, size.width + 4, size.height + 4});
    }
    TextButton::paint();
}

void ColourPanel::paint() {
    if (colour_ == 0) return;
    const uint32_t frame = 0xFF000000u | ((colour_ >> 1) & 0x7F7F7Fu);
    if (UsePaintColor(colour_)) CurrentPainter()->fillRect(bounds());
    if (UsePaintColor(frame)) CurrentPainter()->drawRect(bounds());
}

bool ColourPanel::onMessage(const Message& message) {
    if (message.name != "SetColor") return false;
    colour_ = static_cast<uint32_t>(message.number);
    requestRedraw();
    return true;
}

std::string Numbered(const char* prefix, int index) {
    return prefix + std::to_string(index);
}

Ref<GuiElement> CreateScreenWidget(const std::string& type) {
    if (type == "ColourPanel") return MakeRef<ColourPanel>();
    if (type == "PlateButton") return MakeRef<PlateButton>();
    if (type == "PortraitButton") return MakeRef<PortraitButton>();
    if (type == "ListBox") return MakeRef<ListBox>();
    return CreateStandardWidget(type);
}

bool HideWindowOnRequest(const Message& message) {
    if (message.name != "Button" || message.text != "Hide") return false;
    if (TheAppCore()) TheAppCore()->Minimize();
    return true;
}

bool ScreenDialog::onMessage(const Message& message) {
    if (HideWindowOnRequest(message)) return true;
    if (message.name == "Button" && message.text == "Cancel") {
        Ref<ScreenDialog> keep(this);
        close();
        return true;
    }
    return DialogForm::onMessage(message);
}

void ScreenDialog::close() {
    if (parent()) parent()->removeChild(this);
}

void ScreenDialog::setTitle(const std::u16string& text) {
    sendToChild(*this, "Title", Message{"SetJustify", "CC", 0, nullptr});
    setChildText("Title", text);
}

void ScreenDialog::setChildText(const std::string& child, const std::u16string& text) {
    if (GuiElement* element = findChild(child)) element->setText(text);
}

void ScreenDialog::setChildText(const std::string& child, const std::u16string& text,
                                const std::string& justification) {
    sendToChild(*this, child, Message{"SetJustify", justification, 0, nullptr});
    setChildText(child, text);
}

}  // namespace cv
