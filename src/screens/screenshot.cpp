#include "screens/screenshot.h"

#include <filesystem>

#include "app/app_core.h"
#include "app/game_folders.h"
#include "core/language.h"
#include "core/settings.h"
#include "gui/form_reader.h"
#include "platform/platform.h"
#include "platform/utf.h"
#include "screens/dialog_host.h"
#include "screens/message_box_dialog.h"

namespace cv {
namespace {

constexpr uint64_t kLeftShift = 160, kRightShift = 161;

void Tell(const std::u16string& text) {
    auto* host = TheAppCore() ? dynamic_cast<DialogHost*>(TheAppCore()->screen()) : nullptr;
    if (!host) return;
    Ref<MessageBoxDialog> box = MakeRef<MessageBoxDialog>(GameMessage{text, {}, "Continue", {}, {}},
                                                          [](const std::string&) {});
    loadForm(*box, "MsgBox");
    host->pushDialog(box);
}

}  // namespace

bool IsShiftKey(uint64_t virtualKey) {
    return virtualKey == 16 || virtualKey == kLeftShift || virtualKey == kRightShift;
}

std::string TakeScreenshot(bool windowScale) {
    std::error_code ignored;  // a missing folder shows as the write error
    std::filesystem::create_directories(PicturesDir(), ignored);
    const std::string path = FreeFileName(PicturesDir(), "Screenshot", ".png");
    std::string error = "no free file name";
    if (!path.empty() && platform::Current().SaveScreenshot(path, windowScale, error)) {
        const std::filesystem::path saved(path);
        std::u16string text = GetText("<FILE> saved in");
        ReplacePlaceholder(text, u"<FILE>", Utf8ToUtf16(saved.filename().string()));
        Tell(text + u"\n" + Utf8ToUtf16(saved.parent_path().string()));
        return path;
    }
    std::u16string text = GetText("The screenshot could not be saved: <ERROR>");
    ReplacePlaceholder(text, u"<ERROR>", Utf8ToUtf16(error));
    Tell(text);
    return {};
}

}  // namespace cv
