#include "app/play_settings.h"

#include "core/settings.h"

namespace cv {
namespace {

const char* const kPlaySettingKeys[] = {"ScrWidth", "ScrHeight", "FlipScreen", "Animation",
                                        "CurLanguage"};

// Absent and unknown values mean the default, so the header names it outright.
std::string OnOffValue(const std::string& key, const char* on, const char* off) {
    const bool setOn = CfgHas(key) && CfgGet(key, "") == on;
    return setOn ? on : off;
}

}  // namespace

void ApplyReplayedSettings(const platform::RecordingHeader& header) {
    for (const char* key : kPlaySettingKeys) {
        std::string value = platform::HeaderValue(header, key);
        if (!value.empty()) CfgSet(key, value);
    }
}

void RecordPlaySettings(platform::InputRecorder& recorder) {
    recorder.AddHeader("ScrWidth", CfgGet("ScrWidth", "480"));
    recorder.AddHeader("ScrHeight", CfgGet("ScrHeight", "640"));
    recorder.AddHeader("FlipScreen", OnOffValue("FlipScreen", "ON", "OFF"));
    recorder.AddHeader("Animation", OnOffValue("Animation", "OFF", "ON"));
    recorder.AddHeader("CurLanguage", CfgGet("CurLanguage", "English"));
    recorder.StartBody();
}

}  // namespace cv
