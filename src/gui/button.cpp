#include "gui/button.h"

#include "app/app_globals.h"
#include "app/key_codes.h"
#include "audio/audio_backend.h"
#include "core/settings.h"
#include "gui/form.h"
#include "gui/gui_keys.h"
#include "gui/pointer_routing.h"

namespace cv {
namespace {

bool NoHover() {
    return GuiFlags() & kGuiNoHover;
}

}  // namespace

void Button::setName(const std::string& name) {
    GuiElement::setName(name);
    std::string path;
    for (const GuiElement* element = this; element; element = element->parent()) {
        path = "." + element->name() + path;
    }
    const std::string key = "ButtonKey" + path;
    if (!CfgHas(key)) return;
    const int code = KeyCodeByName(CfgGet(key, ""));
    if (code != kNoKey) hotKey_ = code;
}

void Button::setEnabled(bool enabled) {
    GuiElement::setEnabled(enabled);
    if (!enabled) setState(kGrey);
    if (enabled && state_ == kGrey) setState(kNormal);
}

bool Button::onPointer(const PointerEvent& event) {
    const bool inside = contains({event.x, event.y});
    switch (event.kind) {
        case PointerEvent::Move:
            if (!inside && (state_ == kSelected || state_ == kPressed)) setState(kNormal);
            if (inside && state_ == kNormal && isEnabled() && !NoHover()) setState(kSelected);
            return false;
        case PointerEvent::Press:
            if (!inside) return false;
            if (isEnabled()) setState(kPressed);
            return true;
        default:
            if (!inside) {
                // Released elsewhere: the press is given up.
                if (state_ == kPressed) setState(kNormal);
                return false;
            }
            if (!isEnabled()) return true;
            setState(NoHover() ? kNormal : kSelected);
            pressed();
            return true;
    }
}

bool Button::onKey(int key, bool down) {
    if (!down || !isEnabled()) return false;
    const bool selects =
        hasFocus() && KeyMode() && (isGuiKey(kRoleSelect, key) || isGuiKey(kRoleStart, key));
    if (!selects && key != hotKey_) return false;
    setState(kPressed);
    countdown_ = 1;
    return true;
}

bool Button::onMessage(const Message& message) {
    if (message.name != "SetJustify") return false;
    setJustification(message.text);
    return true;
}

void Button::setJustification(const std::string& justification) {
    justification_ = justification;
    requestRedraw();
}

void Button::onTimer() {
    if (countdown_ <= 0 || --countdown_ > 0) return;
    setState(kNormal);
    pressed();
}

// Every kind of button is heard the same, whatever its click does.
void Button::pressed() {
    if (isEnabled()) Audio().Play(SoundEvent::ButtonClick);
    click();
}

void Button::click() {
    if (state_ == kGrey) return;
    Ref<Button> keep(this);
    sendMessage(this, parent(), Message{notification(), name(), 0, nullptr});
}

void Button::setState(int state) {
    if (state == state_) return;
    state_ = state;
    requestRedraw();
}

int Button::shownState() const {
    return state_ == kNormal && hasFocus() && KeyMode() ? kSelected : state_;
}

}  // namespace cv
