#include "screens/language_dialog.h"

#include "core/language.h"
#include "core/resource_groups.h"
#include "gui/gui_message.h"
#include "platform/utf.h"
#include "screens/dialog_host.h"

namespace cv {
namespace {

std::string RadioName(size_t index) {
    return "Lang" + std::to_string(index);
}

}  // namespace

std::vector<std::string> OfferedLanguages() {
    std::vector<std::string> languages{"English"};
    // English is offered first in any case; its own group adds nothing.
    for (size_t i = 0; i < GroupCount(); ++i) {
        if (LanguageAvailable(i) && GroupName(i) != "English") languages.push_back(GroupName(i));
    }
    return languages;
}

void LanguageDialog::onLoaded() {
    languages_ = OfferedLanguages();
    for (size_t i = 0;; ++i) {
        GuiElement* radio = findChild(RadioName(i));
        if (!radio) break;
        const bool offered = i < languages_.size();
        radio->setVisible(offered);
        // The names are shown as they stand, each in its own language.
        if (offered) radio->setText(Utf8ToUtf16(languages_[i]));
    }
    showCurrent();
}

void LanguageDialog::showCurrent() {
    setTitle(GetText("Select Language"));
    setChildText("OK", GetText("OK"));
    for (size_t i = 0; i < languages_.size(); ++i) {
        sendToChild(*this, RadioName(i),
                    Message{"SetCheck", "", languages_[i] == CurrentLanguage() ? 1 : 0, nullptr});
    }
    sendToChild(*this, "Current",
                Message{"SetImage", "Forms\\LangSel\\" + CurrentLanguage(), 0, nullptr});
}

bool LanguageDialog::onMessage(const Message& message) {
    if (message.name == "RadioCheck") {
        for (size_t i = 0; i < languages_.size(); ++i) {
            if (message.text == RadioName(i)) LoadLanguage(languages_[i] + ".lng.txt");
        }
        showCurrent();
        if (auto* host = dynamic_cast<DialogHost*>(parent())) host->refresh();
        return true;
    }
    if (message.name != "Button") return ScreenDialog::onMessage(message);
    close();
    return true;
}

}  // namespace cv
