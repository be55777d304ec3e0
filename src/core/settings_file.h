#pragma once

#include <string>
#include <vector>

namespace cv {

// Lines end at CR or LF (CR LF, LF and CR each end one line); empty lines are
// dropped and nothing is trimmed.
std::vector<std::string> SplitCfgLines(const std::string& bytes);

// The whole file at `path`; "Open error in <path>" when it cannot be read.
std::string ReadSettingsFile(const std::string& path);

// Writes the settings back into the CFG file: the first line whose text before
// its first "=" is exactly the key is replaced in place, other keys are
// appended, every other line keeps its place. "dir" and "package" lines are
// never touched; settings under those keys are not written. The new file is
// written aside and renamed over the old one.
void CfgSave();

}  // namespace cv
