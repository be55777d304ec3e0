#include "autoplay/message_answers.h"

#include <functional>

#include "core/language.h"

namespace cv::autoplay {
namespace {

struct Piece {
    std::u16string literal;  // empty for a placeholder
};

bool IsPlaceholderChar(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

// The template in literal pieces and placeholders, in order.
std::vector<Piece> PiecesOf(const std::u16string& templ) {
    std::vector<Piece> pieces;
    std::u16string literal;
    for (size_t i = 0; i < templ.size();) {
        size_t end = i + 1;
        while (templ[i] == u'<' && end < templ.size() && IsPlaceholderChar(templ[end])) ++end;
        if (templ[i] == u'<' && end > i + 1 && end < templ.size() && templ[end] == u'>') {
            if (!literal.empty()) pieces.push_back({std::move(literal)});
            literal.clear();
            pieces.push_back({});
            i = end + 1;
        } else {
            literal += templ[i++];
        }
    }
    if (!literal.empty()) pieces.push_back({std::move(literal)});
    return pieces;
}

size_t LineEnd(const std::u16string& text, size_t from) {
    const size_t end = text.find(u'\n', from);
    return end == std::u16string::npos ? text.size() : end;
}

// The pieces read from `at` on; a placeholder takes the shortest text within
// its line that lets the next piece follow.
std::optional<std::vector<std::u16string>> MatchAt(const std::u16string& text, size_t at,
                                                   const std::vector<Piece>& pieces) {
    std::vector<std::u16string> values;
    bool open = false;  // a placeholder waits for the next literal to end it
    for (const Piece& piece : pieces) {
        if (piece.literal.empty()) {
            open = true;
            continue;
        }
        const size_t found = text.find(piece.literal, at);
        if (found == std::u16string::npos) return std::nullopt;
        if (open ? found > LineEnd(text, at) : found != at) return std::nullopt;
        if (open) values.push_back(text.substr(at, found - at));
        open = false;
        at = found + piece.literal.size();
    }
    if (open) values.push_back(text.substr(at, LineEnd(text, at) - at));
    return values;
}

bool Says(const GameMessage& message, const char* textId) {
    return MatchTemplate(message.text, GetText(textId)).has_value();
}

std::u16string ValueOf(const GameMessage& message, const char* textId, size_t index) {
    const auto values = MatchTemplate(message.text, GetText(textId));
    return values && index < values->size() ? (*values)[index] : std::u16string();
}

std::string YesOrNo(bool yes) {
    return yes ? "Yes" : "No";
}

// One kind of question: the text that tells it and the player's answer.
struct Question {
    const char* textId;
    std::string (*answer)(const GameMessage&, Judge&);
};

constexpr const char* kCastleNews[] = {"Castle <CASTLE> is under no ones's rule.",
                                       "Castle <CASTLE> is under <NAME>'s rule.",
                                       "Castle <CASTLE> is under your rule."};

const Question kQuestions[] = {
    {"Your scouts have sighted",
     [](const GameMessage& m, Judge& judge) -> std::string {
         return judge.WantsFight(ReadArmyLines(m.text)) ? "Attack" : "Cancel";
     }},
    {"<UNITS> wish to join you.",
     [](const GameMessage& m, Judge& judge) -> std::string {
         const auto band = ReadSquad(ValueOf(m, "<UNITS> wish to join you.", 0));
         return band && judge.WantsRecruits(*band) ? "Accept" : "Cancel";
     }},
    {"Take <GOLD> gold or increase leadership by <LEADERSHIP>",
     [](const GameMessage&, Judge& judge) -> std::string {
         return judge.PrefersLeadership() ? "Leadership" : "Gold";
     }},
    {"<NAME> occupy this castle. Lay Siege?",
     [](const GameMessage&, Judge& judge) {
         return YesOrNo(judge.Intends(Judge::Plan::kLaySiege));
     }},
    {"Search...",
     [](const GameMessage&, Judge& judge) { return YesOrNo(judge.Intends(Judge::Plan::kSearch)); }},
    {"Give up?",
     [](const GameMessage&, Judge& judge) { return YesOrNo(judge.Intends(Judge::Plan::kGiveUp)); }},
    {"Are you sure to dismiss <UNIT> ?",
     [](const GameMessage&, Judge& judge) {
         return YesOrNo(judge.Intends(Judge::Plan::kDismiss));
     }},
};

std::string FirstButton(const GameMessage& message) {
    return message.buttons.substr(0, message.buttons.find(','));
}

}  // namespace

std::optional<std::vector<std::u16string>> MatchTemplate(const std::u16string& text,
                                                         const std::u16string& templ) {
    const std::vector<Piece> pieces = PiecesOf(templ);
    for (size_t at = 0; at <= text.size(); at = LineEnd(text, at) + 1) {
        if (auto values = MatchAt(text, at, pieces)) return values;
    }
    return std::nullopt;
}

std::string AnswerMessage(const GameMessage& message, Judge& judge) {
    for (const Question& question : kQuestions) {
        if (Says(message, question.textId)) return question.answer(message, judge);
    }
    for (const char* news : kCastleNews) {
        if (!Says(message, news)) continue;
        judge.LearnCastle(ValueOf(message, news, 0), ReadArmyLines(message.text));
        break;
    }
    return FirstButton(message);
}

}  // namespace cv::autoplay
