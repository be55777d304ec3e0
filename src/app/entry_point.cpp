#include "app/entry_point.h"

#include "app/error_recording.h"
#include "core/fatal_error.h"
#include "core/language.h"
#include "core/settings.h"
#include "platform/platform.h"
#include "platform/utf.h"

namespace cv {
namespace {

// The box's text, naming where the game so far was kept when it was recorded.
std::u16string ErrorText(platform::Platform& host, const std::string& error) {
    std::u16string text = Utf8ToUtf16(error);
    platform::InputRecorder* recorder = host.recorder();
    if (!recorder) return text;
    recorder->Finish("Error: " + error);
    const std::string kept = KeepErrorRecording(SaveDir(), recorder->Text());
    if (kept.empty()) return text;
    std::u16string note = GetText("The game so far is recorded in <FILE>.");
    ReplacePlaceholder(note, u"<FILE>", Utf8ToUtf16(kept));
    return text + u"\n\n" + note;
}

}  // namespace

int RunApplication(Application& app) {
    platform::Platform& host = platform::Current();
    if (host.ActivateRunningInstance(Utf16ToUtf8(app.ClassName()))) return 0;
    try {
        if (!app.Init()) return 1;
        app.Run();
        app.Exit();
        return 0;
    } catch (const EngineError& error) {
        host.MessageBox(ErrorText(host, error.what()), u"Error", platform::MB_ICONHAND);
        return 1;
    }
}

}  // namespace cv
