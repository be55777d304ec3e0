#pragma once

#include <map>
#include <string>

namespace cv {

// Identifier (byte string) to text (UTF-16).
using LanguageTable = std::map<std::string, std::u16string>;

// The longest line a language file may hold, in UTF-16 units.
constexpr size_t kMaxLanguageLine = 1023;

// Parses the bytes of a language file: UTF-16LE after a byte order mark; lines
// end at LF and lose every CR; empty lines and ";" comments are skipped; the
// first three "*" lines are the header (the second and third give the
// character map); "[id]" starts an entry whose lines are joined with LF.
// `fileName` names the file in the messages: "Expected Unicode text in <%s>",
// "Empty identifier in %s", and a line longer than kMaxLanguageLine.
LanguageTable ParseLanguageFile(const std::string& bytes, const std::string& fileName);

}  // namespace cv
