#include "platform/utf.h"

#include <cstdint>

namespace cv {
namespace {

// Length and first-byte payload of a sequence, or 0 for a byte that cannot lead.
int SequenceLength(unsigned char lead, uint32_t& payload) {
    if (lead < 0x80) return payload = lead, 1;
    if ((lead & 0xE0) == 0xC0 && lead >= 0xC2) return payload = lead & 0x1F, 2;
    if ((lead & 0xF0) == 0xE0) return payload = lead & 0x0F, 3;
    if ((lead & 0xF8) == 0xF0 && lead <= 0xF4) return payload = lead & 0x07, 4;
    return 0;
}

// Decodes one code point at `i`; -1 when the bytes there are not valid UTF-8.
long DecodeAt(const std::string& text, size_t i, int& length) {
    uint32_t cp = 0;
    length = SequenceLength(static_cast<unsigned char>(text[i]), cp);
    if (length == 0 || i + length > text.size()) return -1;
    for (int k = 1; k < length; ++k) {
        unsigned char c = static_cast<unsigned char>(text[i + k]);
        if ((c & 0xC0) != 0x80) return -1;
        cp = (cp << 6) | (c & 0x3F);
    }
    static const uint32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < minimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return -1;
    return static_cast<long>(cp);
}

void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::u16string Utf8ToUtf16(const std::string& text) {
    std::u16string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        int length = 0;
        long cp = DecodeAt(text, i, length);
        if (cp < 0) {
            out += static_cast<char16_t>(static_cast<unsigned char>(text[i]));
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
        i += length;
    }
    return out;
}

std::string Utf16ToUtf8(const std::u16string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        AppendUtf8(out, c);
    }
    return out;
}

}  // namespace cv
