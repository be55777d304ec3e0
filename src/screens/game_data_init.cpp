#include "screens/game_data_init.h"

#include "core/config_parser.h"
#include "core/dispatcher.h"
#include "core/resource_groups.h"
#include "core/settings.h"
#include "core/stream.h"
#include "gfx/animation.h"
#include "gfx/font_registry.h"
#include "platform/platform.h"
#include "platform/runtime_rand.h"

namespace cv {
namespace {

// The clock seed of a new session; a seed from the command line wins.
void SeedFromLocalTime() {
    const platform::Platform& host = platform::Current();
    const platform::LocalTime now = host.Now();
    const unsigned milliseconds = host.TickCount() % 1000;
    platform::SeedFromClock((milliseconds * 60 + now.minute) * 60 + now.hour);
}

void LoadRules() {
    SetRoot(MakeRef<Dispatcher>());
    Parse(*Root(), ReadAll(*OpenResourceOrFail("cv.ini")));
}

}  // namespace

void InitGameData() {
    SeedFromLocalTime();
    RegisterFont("Default", loadFont("Fonts\\arial.fnm"));
    RegisterFont("Small", loadFont("Fonts\\small.fnm"));
    LoadRules();
    AnimationsDisabled() = CfgHas("Animation") && CfgGet("Animation", "ON") == "OFF";
    LoadAnimationTable();
}

}  // namespace cv
