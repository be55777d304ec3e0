#pragma once

#include <string>
#include <vector>

#include "app/screen.h"
#include "gfx/sprite.h"
#include "gui/gui_element.h"
#include "gui/gui_message.h"

namespace cv {

enum NavigationMode : int { kNavFree = 0, kNavVertical = 1, kNavHorizontal = 2 };

// A container of elements: every screen and dialog. Children paint and take
// input in the order they were added. A form that is the application's
// screen paints itself when a redraw was requested and receives the pointer
// through the drag routing.
class Form : public GuiElement, public Screen {
public:
    Form();
    ~Form() override;

    // The first visible child that hits, asked in list order.
    GuiElement* hitTest(Point point) override;
    // The background, then each visible child.
    void paint() override;
    bool onPointer(const PointerEvent& event) override;
    // The default button, the focused child, the others, then navigation.
    bool onKey(int key, bool down) override;
    bool onChar(char16_t ch) override;
    void onTimer() override;

    // Moves the focus for a navigation key; true when it moved.
    virtual bool navigate(int key);
    // Once the form file has been read.
    virtual void onLoaded() {}
    virtual void drawBackground();
    // The widget kind of a form file's "Item:" line; fails on an unknown type.
    virtual Ref<GuiElement> createWidget(const std::string& type);

    // Appends the element, takes it in, gives it the form's colours and, when
    // no child has the focus yet, the focus.
    void addChild(Ref<GuiElement> element);
    void removeChild(GuiElement* element);
    // The first child of that name, or null.
    GuiElement* findChild(const std::string& name) const;
    void setFocusTo(GuiElement* element);
    GuiElement* focusedChild() const;
    const std::vector<Ref<GuiElement>>& children() const { return children_; }

    int navigationMode() const { return navigationMode_; }
    void setNavigationMode(int mode) { navigationMode_ = mode; }
    const std::vector<std::string>& tabOrder() const { return tabOrder_; }
    // "a,b,c/Vert": the names become tab stops in that order, the first that
    // exists takes the focus; "/Vert" or "/Horiz" sets the navigation mode.
    void applyTabOrder(const std::string& value);
    void setDefaultButton(const std::string& name);
    bool hasDefaultButton() const { return hasDefaultButton_; }
    const std::string& defaultButton() const { return defaultButton_; }
    void setBackground(Ref<Sprite> background) { background_ = std::move(background); }
    const Sprite* background() const { return background_.get(); }

    // As the application's screen.
    void Update() override;
    void Tick() override;
    // Becoming current makes it the active form; being replaced drops it and
    // purges the image cache.
    void Activate(bool active) override;
    bool OnKey(int key, bool pressed) override;
    bool OnChar(char16_t ch) override;

protected:
    // The children as they are now: handlers may add or remove children.
    std::vector<Ref<GuiElement>> snapshot() const { return children_; }

private:
    GuiElement* stepTabOrder(int step) const;
    GuiElement* searchSpatially(int key) const;
    std::vector<GuiElement*> tabSequence() const;

    std::vector<Ref<GuiElement>> children_;
    int navigationMode_ = kNavFree;
    std::vector<std::string> tabOrder_;
    std::string defaultButton_;
    bool hasDefaultButton_ = false;
    Ref<Sprite> background_;
};

// The form that is the application's current screen, or null.
Form* ActiveForm();

// Finds the child and sends it the message; false when there is no such child.
bool sendToChild(Form& form, const std::string& childName, Message message);

}  // namespace cv
