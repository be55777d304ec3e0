#include "app/cfg_file.h"

#include "core/fatal_error.h"
#include "core/settings.h"

namespace cv {
namespace {

void ReadCfgLine(const std::string& line, CfgResourceSink& sink) {
    if (line[0] == '[') {
        size_t close = line.find(']');
        if (close == std::string::npos) FatalError("Invalid CFG line: %s", line.c_str());
        sink.BeginGroup(line.substr(1, close - 1));
        return;
    }
    size_t eq = line.find('=');
    if (eq == std::string::npos) return;
    std::string key = line.substr(0, eq), value = line.substr(eq + 1);
    if (key == "dir") {
        sink.AddDirectory(value);
    } else if (key == "package") {
        sink.AddPackage(value);
    } else {
        CfgSet(key, value);
    }
}

}  // namespace

void ReadCfgText(const std::string& bytes, CfgResourceSink& sink) {
    Settings().clear();
    for (const std::string& line : SplitCfgLines(bytes)) ReadCfgLine(line, sink);
}

void ReadCfgFile(CfgResourceSink& sink) {
    ReadCfgText(ReadSettingsFile(CfgPath()), sink);
}

}  // namespace cv
