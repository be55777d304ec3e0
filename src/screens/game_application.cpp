#include "screens/game_application.h"

#include <cstdlib>

#include "app/app_globals.h"
#include "app/cfg_file.h"
#include "app/cfg_resource_groups.h"
#include "app/play_settings.h"
#include "audio/audio_backend.h"
#include "core/fatal_error.h"
#include "core/language.h"
#include "core/settings.h"
#include "gfx/image_cache.h"
#include "gui/gui_keys.h"
#include "platform/platform.h"
#include "screens/command_keys.h"
#include "screens/game_data_init.h"
#include "screens/screen_game_ui.h"
#include "screens/screenshot.h"
#include "screens/title_screen.h"

namespace cv {

std::string CfgPathForModule(const std::string& modulePath) {
    size_t slash = modulePath.find_last_of('/');
    size_t dot = modulePath.find_last_of('.');
    bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? modulePath.substr(0, dot) : modulePath) + ".CFG";
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

GameApplication::GameApplication(std::string modulePath) : folders_(PortableFolders(modulePath)) {}

GameApplication::GameApplication(GameFolders folders) : folders_(std::move(folders)) {}

GameApplication::~GameApplication() {
    if (&CurrentFileOpener() == &fileOpener_) SetFileOpener(nullptr);
    SetUi(nullptr);
}

bool GameApplication::Init() {
    SetFileOpener(&fileOpener_);
    PrepareGameFolders(folders_);
    SetCfgPath(folders_.cfg);
    SetAppDir(folders_.data);
    SetSaveDir(folders_.saves);
    SetPicturesDir(folders_.pictures);
    SetPlayerDataDir(PlayerDataFolder(folders_));
    CfgResourceGroups resources;
    ReadCfgFile(resources);
    platform::Platform& host = platform::Current();
    ApplyReplayedSettings(host.ReplayHeader());
    GuiFlags() = kGuiNoHover;

    ScreenSize& screen = DeviceScreen();
    screen.width = std::atoi(CfgGet("ScrWidth", std::to_string(host.ScreenWidth())).c_str());
    screen.height = std::atoi(CfgGet("ScrHeight", std::to_string(host.ScreenHeight())).c_str());
    if (screen.width <= 0 || screen.height <= 0 || screen.width > 4096 || screen.height > 4096) {
        FatalError("Invalid screen size %dx%d in %s", screen.width, screen.height,
                   CfgPath().c_str());
    }
    if (CfgHas("FlipScreen") && CfgGet("FlipScreen", "OFF") == "ON") DisplayFlags() |= kFlipScreen;
    if (platform::InputRecorder* recorder = host.recorder()) RecordPlaySettings(*recorder);
    ImageExtension() = ".s16";
    device_ = MakeRef<GdiDevice>();
    if (!Application::Init()) return false;
    LoadLanguage(CfgGet("CurLanguage", "English") + ".lng.txt");
    InitGameData();
    // The GUI keys follow the language and the game data.
    ReadGuiKeys();
    SetUi(&TheScreenGameUi());
    Audio().Load(ReadSoundTable(AppDir() + "Sounds/sounds.ini"), AppDir());
    Audio().Apply(ReadAudioSettings());
    SetScreen(&TitleScreen());
    return true;
}

void GameApplication::Idle() {
    Audio().Update();
    Application::Idle();
}

bool GameApplication::OnKey(int key, bool pressed) {
    return Application::OnKey(TranslateKey(key), pressed);
}

bool GameApplication::HandleMessage(const platform::Message& message) {
    const bool down = message.message == platform::WM_KEYDOWN;
    if (down || message.message == platform::WM_KEYUP) {
        if (IsShiftKey(message.wParam)) shiftHeld_ = down;
        if (message.wParam == kScreenshotKey) {
            if (down) TakeScreenshot(shiftHeld_);
            return true;
        }
    }
    return Application::HandleMessage(message);
}

}  // namespace cv
