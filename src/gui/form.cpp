#include "gui/form.h"

#include <algorithm>

#include "app/app_globals.h"
#include "gfx/graphics_device.h"
#include "gfx/image_cache.h"
#include "gui/gui_keys.h"
#include "gui/pointer_routing.h"
#include "gui/widget_factory.h"

namespace cv {
namespace {

Ref<Form>& ActiveFormSlot() {
    static Ref<Form> form;
    return form;
}

}  // namespace

Form* ActiveForm() {
    return ActiveFormSlot().get();
}

Form::Form() = default;

Form::~Form() {
    for (auto& child : children_) {
        if (child->parent() == this) child->setParent(nullptr);
    }
}

GuiElement* Form::hitTest(Point point) {
    for (auto& child : children_) {
        if (!child->isVisible()) continue;
        if (GuiElement* hit = child->hitTest(point)) return hit;
    }
    return nullptr;
}

void Form::paint() {
    drawBackground();
    for (auto& child : snapshot()) {
        if (child->isVisible()) child->paint();
    }
}

bool Form::onPointer(const PointerEvent& event) {
    for (auto& child : snapshot()) {
        if (child->isVisible() && child->onPointer(event)) return true;
    }
    return false;
}

bool Form::onKey(int key, bool down) {
    if (down && hasDefaultButton_ && isGuiKey(kRoleStart, key)) {
        Ref<GuiElement> button(findChild(defaultButton_));
        if (button && button->isVisible() && button->isEnabled()) {
            setFocusTo(button.get());
            if (button->onKey(key, down)) return true;
        }
    }
    Ref<GuiElement> focused(focusedChild());
    if (focused && focused->isVisible() && focused->onKey(key, down)) return true;
    for (auto& child : snapshot()) {
        if (child != focused && child->isVisible() && child->onKey(key, down)) return true;
    }
    return down && navigate(key);
}

bool Form::onChar(char16_t ch) {
    for (auto& child : snapshot()) {
        if (child->isVisible() && child->onChar(ch)) return true;
    }
    return false;
}

void Form::onTimer() {
    for (auto& child : snapshot()) {
        if (child->isVisible()) child->onTimer();
    }
}

void Form::drawBackground() {
    if (background_) background_->draw({0, 0}, kDrawPlain);
}

Ref<GuiElement> Form::createWidget(const std::string& type) {
    return CreateStandardWidget(type);
}

void Form::addChild(Ref<GuiElement> element) {
    if (!element) return;
    element->setParent(this);
    element->setColors(colors());
    children_.push_back(element);
    if (element->canTakeFocus() && !focusedChild()) element->setFocus(true);
}

void Form::removeChild(GuiElement* element) {
    auto it = std::find(children_.begin(), children_.end(), Ref<GuiElement>(element));
    if (it == children_.end()) return;
    Ref<GuiElement> removed = *it;
    children_.erase(it);
    // Taken in again later, it must not bring a second focus with it.
    removed->setFocus(false);
    if (removed->parent() == this) removed->setParent(nullptr);
    requestRedraw();
}

GuiElement* Form::findChild(const std::string& name) const {
    for (auto& child : children_) {
        if (child->name() == name) return child.get();
    }
    return nullptr;
}

void Form::setFocusTo(GuiElement* element) {
    if (GuiElement* focused = focusedChild()) focused->setFocus(false);
    if (element) element->setFocus(true);
}

GuiElement* Form::focusedChild() const {
    for (auto& child : children_) {
        if (child->hasFocus()) return child.get();
    }
    return nullptr;
}

void Form::setDefaultButton(const std::string& name) {
    defaultButton_ = name;
    hasDefaultButton_ = true;
}

void Form::Update() {
    if (!RedrawRequested()) return;
    RedrawRequested() = false;
    RenderFrame([this](IPainter&) { paint(); });
}

void Form::Tick() {
    onTimer();
}

void Form::Activate(bool active) {
    if (active) {
        ActiveFormSlot() = this;
        SetPointerTarget(&TheFormPointerTarget());
        requestRedraw();
        return;
    }
    if (ActiveFormSlot().get() == this) {
        // May be the last reference: nothing of this form is used afterwards.
        Ref<Form> dropped = std::move(ActiveFormSlot());
        ActiveFormSlot() = nullptr;
        dropped = nullptr;
    }
    purgeImages();
}

bool Form::OnKey(int key, bool pressed) {
    if (pressed) TheFormPointerTarget().noteKeyInput();
    Ref<Form> keep(this);
    return onKey(key, pressed);
}

bool Form::OnChar(char16_t ch) {
    Ref<Form> keep(this);
    return onChar(ch);
}

bool sendToChild(Form& form, const std::string& childName, Message message) {
    GuiElement* child = form.findChild(childName);
    return child && sendMessage(&form, child, std::move(message));
}

}  // namespace cv
