#pragma once

#include <string>

namespace cv {

// Every text the rules show passes through here: the English template is the
// key of the language table, `qualifier` selects a variant ("F", a number).
// Until the language tables are wired in, the template itself is shown.
std::u16string GameText(const std::string& id, const std::string& qualifier = {});

// Replaces the first occurrence of `placeholder` ("<NAME>") by `value`.
void FillIn(std::u16string& text, const std::u16string& placeholder, const std::u16string& value);

std::u16string NumberText(int n);
// Decimal with "," between groups of three digits: 1,234,567.
std::u16string GroupedNumber(int n);

}  // namespace cv
