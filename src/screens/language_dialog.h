#pragma once

#include <string>
#include <vector>

#include "screens/screen_widgets.h"

namespace cv {

// The language choice, form "LangSel": a radio button "Lang0", "Lang1", ...
// for each language offered, the current language's picture in "Current".
// Choosing a language loads it at once; any button closes the dialog.
class LanguageDialog : public ScreenDialog {
public:
    void onLoaded() override;
    bool onMessage(const Message& message) override;

private:
    void showCurrent();
    std::vector<std::string> languages_;
};

// "English", then every resource group that holds its own language file, in
// group name order.
std::vector<std::string> OfferedLanguages();

}  // namespace cv
