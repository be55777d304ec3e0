#pragma once

#include <string>

#include "gui/dialog_form.h"
#include "gui/gui_element.h"
#include "gui/text_button.h"

namespace cv {

// A text button on a plate: the picture "Img\STDGUI\Plate_" + the shown
// state ("Norm", "Select", "Pressed", "Gray"), then the text centred on it.
// Form files ask for it with "Item:PlateButton".
class PlateButton : public TextButton {
public:
    PlateButton();
    void paint() override;
};

// A hero class to choose: the class's portrait "Img\Heroes\" + the button's
// name, centred at the top, outlined in the colour of the shown state, and
// the text centred below it. Form files ask for it with "Item:PortraitButton".
class PortraitButton : public TextButton {
public:
    PortraitButton();
    void paint() override;
};

// A filled rectangle in the colour of a "SetColor" message (number =
// 0xAARRGGBB) under a darker frame: the ground of a block of text. Form files
// ask for it with "Item:ColourPanel".
class ColourPanel : public GuiElement {
public:
    void paint() override;
    bool onMessage(const Message& message) override;

private:
    uint32_t colour_ = 0;
};

// A widget name with a number after it: "Field" 3 is "Field3".
std::string Numbered(const char* prefix, int index);

// The widgets of the game's screens: the plate, portrait and list kinds, then
// the standard kinds ("Unknown Widget type: %s" for any other name).
Ref<GuiElement> CreateScreenWidget(const std::string& type);

// The common button "Hide" of the game's forms: puts the window away and
// answers true; false for any other message.
bool HideWindowOnRequest(const Message& message);

// A dialog of the game's screens, shown over one of them; its form file may
// use the screens' own widget kinds. The buttons "Hide" and "Cancel" that
// the dialog itself leaves alone minimise the window and close the dialog.
class ScreenDialog : public DialogForm {
public:
    Ref<GuiElement> createWidget(const std::string& type) override {
        return CreateScreenWidget(type);
    }
    bool onMessage(const Message& message) override;

protected:
    // Takes the dialog off the screen it was shown over.
    void close();
    // Sets the named child's text, when the form has that child.
    void setChildText(const std::string& child, const std::u16string& text);
    // The same, placed in the child by a justification ("LC", "CC", "RC").
    void setChildText(const std::string& child, const std::u16string& text,
                      const std::string& justification);
    // The dialog's heading, the label "Title", centred over its rule.
    void setTitle(const std::u16string& text);
};

}  // namespace cv
