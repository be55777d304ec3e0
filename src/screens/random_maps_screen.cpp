#include "screens/random_maps_screen.h"

#include <cstdio>
#include <filesystem>

#include "app/app_core.h"
#include "core/config_parser.h"
#include "core/file_stream.h"
#include "core/language.h"
#include "core/resource_groups.h"
#include "core/settings.h"
#include "gui/form_reader.h"
#include "gui/gui_message.h"
#include "mapgen/random_maps.h"
#include "platform/platform.h"
#include "screens/game_data_init.h"

namespace cv {
namespace {

constexpr const char* kRandomMapFolder = "CVMRG";

}  // namespace

std::string RandomMapSetFolder() {
    return PlayerDataDir() + kRandomMapFolder + "/";
}

bool WriteRandomMapSet() {
    const std::string folder = PlayerDataDir() + kRandomMapFolder;
    std::error_code ignored;  // a folder that cannot be made shows as a failed set
    std::filesystem::create_directories(NativePath(folder), ignored);
    return GenerateRandomMaps(folder);
}

void MergeRandomMapSet(Dispatcher& rules) {
    ResourceGroup* group = DefaultGroup();
    if (!group) return;
    // Under the folder's bare name, which DropRandomMapSet takes out again.
    group->Add(MakeRef<DirectorySource>(kRandomMapFolder, RandomMapSetFolder()));
    if (ResourceExists("map.ini")) Parse(rules, ReadAll(*OpenResourceOrFail("map.ini")));
}

void DropRandomMapSet() {
    if (ResourceGroup* group = DefaultGroup()) group->Remove(kRandomMapFolder);
    std::remove((RandomMapSetFolder() + "map.ini").c_str());
}

void RandomMapsForm::onLoaded() {
    sendToChild(*this, "Text", Message{"SetJustify", "CC", 0, nullptr});
    if (GuiElement* text = findChild("Text")) text->setText(GetText("Random Maps Generation..."));
}

void RandomMapsForm::Update() {
    Form::Update();
    if (generated_) return;
    generated_ = true;
    succeeded_ = WriteRandomMapSet();
    generatedAt_ = platform::Current().TickCount();
}

void RandomMapsForm::Tick() {
    Form::Tick();
    if (!generated_ || finished_) return;
    if (platform::Current().TickCount() - generatedAt_ < kPauseMs) return;
    finished_ = true;
    // `then` usually shows another screen, which may release this one.
    Ref<RandomMapsForm> keep(this);
    Ref<Dispatcher> rules = PackagedRules();
    if (succeeded_) MergeRandomMapSet(*rules);
    if (then_) then_(std::move(rules));
}

void ShowRandomMapGeneration(RandomMapsForm::Then then) {
    Ref<RandomMapsForm> form = MakeRef<RandomMapsForm>(std::move(then));
    loadForm(*form, "MapGen");
    if (TheAppCore()) TheAppCore()->SetScreen(form.get());
}

}  // namespace cv
