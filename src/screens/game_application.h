#pragma once

#include <string>

#include "app/app_core.h"
#include "app/game_folders.h"
#include "core/file_opener.h"
#include "gfx/gdi_device.h"

namespace cv {

// The CFG beside an executable: its extension replaced by ".CFG", or ".CFG"
// added when the file name has none.
std::string CfgPathForModule(const std::string& modulePath);

// The folder of a path, ending in its separator.
std::string FolderOf(const std::string& path);

// The game: brings up settings, graphics, language and data in order.
class GameApplication : public Application {
public:
    // `modulePath`: the executable; the CFG, packages and saves live beside it.
    explicit GameApplication(std::string modulePath);
    // The CFG, packages, saves and screenshots where `folders` say.
    explicit GameApplication(GameFolders folders);
    ~GameApplication() override;

    bool Init() override;
    // The sound backend's news from its own thread is taken on the main loop.
    void Idle() override;
    // Keys are turned with the screen before anything sees them.
    bool OnKey(int key, bool pressed) override;
    // F12 keeps the frame as a picture (Shift: as large as the window shows it).
    bool HandleMessage(const platform::Message& message) override;
    std::u16string Title() const override { return u"Corvanth"; }
    std::u16string ClassName() const override { return u"CorvanthGame"; }

private:
    GameFolders folders_;
    bool shiftHeld_ = false;
    // Opens the CFG's packages: retries reads, asks before giving up a file.
    RetryFileOpener fileOpener_;
    Ref<GdiDevice> device_;
};

}  // namespace cv
