#include "app/entry_point.h"

#include "core/fatal_error.h"
#include "platform/platform.h"
#include "platform/utf.h"

namespace cv {

int RunApplication(Application& app) {
    platform::Platform& host = platform::Current();
    if (host.ActivateRunningInstance(Utf16ToUtf8(app.ClassName()))) return 0;
    try {
        if (!app.Init()) return 1;
        app.Run();
        app.Exit();
        return 0;
    } catch (const EngineError& error) {
        host.MessageBox(Utf8ToUtf16(error.what()), u"Error", platform::MB_ICONHAND);
        return 1;
    }
}

}  // namespace cv
