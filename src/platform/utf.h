#pragma once

#include <string>

namespace cv {

// UTF-8 to UTF-16; a byte that does not start a valid sequence is taken as
// Latin-1, so arbitrary bytes never fail.
std::u16string Utf8ToUtf16(const std::string& text);

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(const std::u16string& text);

}  // namespace cv
