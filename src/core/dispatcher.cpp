#include "core/dispatcher.h"

#include <cstdio>
#include <cstdlib>

namespace cv {

void Dispatcher::SetChild(const std::string& name, Ref<DispatcherItem> item) {
    children_[name] = std::move(item);
}

void Dispatcher::Clear() { children_.clear(); }

DispatcherItem* Dispatcher::Child(const std::string& name) const {
    auto it = children_.find(name);
    return it == children_.end() ? nullptr : it->second.get();
}

const char* TypeName(int type) {
    static const char* const names[] = {"int", "float", "String", "Object"};
    return type >= 0 && type <= 3 ? names[type] : "?";
}

bool IntValue::GetInt(int32_t& out) const {
    out = value_;
    return true;
}

bool IntValue::SetInt(int32_t v) {
    value_ = v;
    return true;
}

void IntValue::ToText(std::string& out) const { out = std::to_string(value_); }

void IntValue::FromText(const std::string& text) {
    long long v = std::strtoll(text.c_str(), nullptr, 10);
    if (v > INT32_MAX) v = INT32_MAX;
    if (v < INT32_MIN) v = INT32_MIN;
    value_ = static_cast<int32_t>(v);
}

bool FloatValue::GetFloat(float& out) const {
    out = value_;
    return true;
}

bool FloatValue::SetFloat(float v) {
    value_ = v;
    return true;
}

void FloatValue::ToText(std::string& out) const {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%g", static_cast<double>(value_));
    out = buffer;
}

void FloatValue::FromText(const std::string& text) {
    value_ = static_cast<float>(std::atof(text.c_str()));
}

bool StringValue::GetString(std::string& out) const {
    out = value_;
    return true;
}

bool StringValue::SetString(const std::string& v) {
    value_ = v;
    return true;
}

namespace {

// Escape letter of a character that is written escaped, or 0.
char EscapeLetter(char c) {
    switch (c) {
        case '\\': return '\\';
        case '"': return '"';
        case '\t': return 't';
        case '\n': return 'n';
        case '\r': return 'r';
        default: return 0;
    }
}

// Character for an escape letter, or 0 when the letter is not one.
char UnescapedChar(char letter) {
    switch (letter) {
        case '\\': return '\\';
        case '"': return '"';
        case 't': return '\t';
        case 'n': return '\n';
        case 'r': return '\r';
        default: return 0;
    }
}

bool IsQuoted(const std::string& text) {
    return text.size() >= 2 && text.front() == '"' && text.back() == '"';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipDigits(const std::string& text, size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    return pos;
}

bool LooksLikeInt(const std::string& text) {
    size_t pos = text.empty() || text[0] != '-' ? 0 : 1;
    return SkipDigits(text, pos) == text.size();
}

// -digits.digits, optionally followed by an exponent. A mantissa without any
// digit (".", "e5") is a word, not a number.
bool LooksLikeFloat(const std::string& text) {
    size_t pos = text.empty() || text[0] != '-' ? 0 : 1;
    size_t end = SkipDigits(text, pos);
    size_t digits = end - pos;
    if (end < text.size() && text[end] == '.') {
        size_t afterPoint = SkipDigits(text, end + 1);
        digits += afterPoint - end - 1;
        end = afterPoint;
    }
    if (digits == 0) return false;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        size_t exp = end + 1;
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) ++exp;
        end = SkipDigits(text, exp);
        if (end == exp) return false;
    }
    return end == text.size();
}

}  // namespace

void StringValue::ToText(std::string& out) const {
    std::string text(1, '"');
    for (char c : value_) {
        if (char letter = EscapeLetter(c)) {
            text += '\\';
            text += letter;
        } else {
            text += c;
        }
    }
    text += '"';
    out = std::move(text);
}

void StringValue::FromText(const std::string& text) {
    if (!IsQuoted(text)) {
        value_ = text;
        return;
    }
    std::string result;
    const size_t end = text.size() - 1;  // the closing quote
    for (size_t i = 1; i < end; ++i) {
        char c = text[i];
        if (c == '\\' && i + 1 < end) {
            if (char unescaped = UnescapedChar(text[i + 1])) {
                result += unescaped;
                ++i;
                continue;
            }
        }
        result += c;
    }
    value_ = std::move(result);
}

ValueType KindOfText(const std::string& text) {
    if (IsQuoted(text)) return kStringType;
    if (LooksLikeInt(text)) return kIntType;
    if (LooksLikeFloat(text)) return kFloatType;
    return kStringType;
}

Ref<Value> MakeValueFromText(const std::string& text) {
    Ref<Value> value;
    switch (KindOfText(text)) {
        case kIntType: value = MakeRef<IntValue>(); break;
        case kFloatType: value = MakeRef<FloatValue>(); break;
        default: value = MakeRef<StringValue>(); break;
    }
    value->FromText(text);
    return value;
}

namespace {
Ref<Dispatcher>& RootSlot() {
    static Ref<Dispatcher> root;
    return root;
}
}  // namespace

Dispatcher* Root() { return RootSlot().get(); }

void SetRoot(Ref<Dispatcher> root) { RootSlot() = std::move(root); }

}  // namespace cv
