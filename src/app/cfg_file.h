#pragma once

#include <string>

#include "core/settings_file.h"

namespace cv {

// Receives the resource lines of the CFG file: group headers, "dir" and
// "package" lines (values as written, not yet joined to the game folder).
// Lines before the first header belong to the unnamed default group.
class CfgResourceSink {
public:
    virtual ~CfgResourceSink() = default;
    // One call per "[Name]" line; "[]" opens a new group named "".
    virtual void BeginGroup(const std::string& name) = 0;
    virtual void AddDirectory(const std::string& path) = 0;
    virtual void AddPackage(const std::string& path) = 0;
};

// Fills the settings from CFG text, handing resource lines to `sink`.
// "[" without "]" ends the program with "Invalid CFG line: %s".
void ReadCfgText(const std::string& bytes, CfgResourceSink& sink);

// Reads the file at CfgPath() ("Open error in <path>" when it cannot be read).
void ReadCfgFile(CfgResourceSink& sink);

}  // namespace cv
