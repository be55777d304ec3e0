#include "core/config_parser.h"

#include <gtest/gtest.h>

#include "core/dispatcher_access.h"
#include "support/error_of.h"

namespace cv {
namespace {

Ref<Dispatcher> ParseText(const std::string& text) {
    Ref<Dispatcher> root = MakeRef<Dispatcher>();
    Parse(*root, text);
    return root;
}

std::string ErrorOf(const std::string& text) {
    return test::ErrorOf([&] { ParseText(text); });
}

int TypeAt(Dispatcher* root, const std::string& path) {
    Value* v = FindValue(root, path);
    return v ? v->Type() : -1;
}

std::string TextAt(Dispatcher* root, const std::string& path) {
    std::string text;
    if (Value* v = FindValue(root, path)) v->ToText(text);
    return text;
}

TEST(ConfigParser, ValueKindsFollowTheirText) {
    auto root = ParseText(
        "i = 42\nn=-7\nf = 1.5\ne=2e3\nq = \"a;b c\" ; comment\nw = Img\\Heroes\\x;rest\n"
        "empty=\nminus=-\n");
    EXPECT_EQ(TypeAt(root.get(), "i"), kIntType);
    EXPECT_EQ(TextAt(root.get(), "n"), "-7");
    EXPECT_EQ(TypeAt(root.get(), "f"), kFloatType);
    EXPECT_EQ(TextAt(root.get(), "e"), "2000");
    std::string s;
    ASSERT_TRUE(FindValue(root.get(), "q")->GetString(s));
    EXPECT_EQ(s, "a;b c");
    ASSERT_TRUE(FindValue(root.get(), "w")->GetString(s));
    EXPECT_EQ(s, "Img\\Heroes\\x");
    EXPECT_EQ(TypeAt(root.get(), "empty"), kIntType);
    EXPECT_EQ(TextAt(root.get(), "minus"), "0");
}

TEST(ConfigParser, ReassignedValuesKeepTheirKind) {
    auto root = ParseText("a=5\na=7.9\nb=\"x\"\nb=12\nblock{}\nblock=3\n");
    EXPECT_EQ(TypeAt(root.get(), "a"), kIntType);
    EXPECT_EQ(TextAt(root.get(), "a"), "7");
    EXPECT_EQ(TypeAt(root.get(), "b"), kStringType);
    EXPECT_EQ(TextAt(root.get(), "b"), "\"12\"");
    // A value replaces a block of the same name.
    EXPECT_EQ(TypeAt(root.get(), "block"), kIntType);
}

TEST(ConfigParser, DottedNamesBlocksAndSharedLinesBuildTheSameTree) {
    auto dotted = ParseText("top{\nA.B.c = 1\nd = 2\n}\n");
    auto blocks = ParseText("top { A { B { c = 1 } } d = 2 }");
    auto lines = ParseText("top {\nA {\nB {\nc=1\n}\n}\nd=2\n}\n");
    for (Dispatcher* root : {dotted.get(), blocks.get(), lines.get()}) {
        EXPECT_EQ(TextAt(root, "top.A.B.c"), "1");
        EXPECT_EQ(TextAt(root, "top.d"), "2");  // the next line starts at the block node
        EXPECT_EQ(FindValue(root, "top.A.d"), nullptr);
    }
}

TEST(ConfigParser, LaterTextMergesAndAtSignEmptiesABlock) {
    auto root = ParseText("u { a=1 b=2 }\nv { a=1 }\nw { b { c=1 } }");
    Parse(*root, "u { c=3 a=9 }\nv { @ z=1 }\nw { b.@ x=2 }");
    EXPECT_EQ(TextAt(root.get(), "u.a") + TextAt(root.get(), "u.b") + TextAt(root.get(), "u.c"),
              "923");
    EXPECT_EQ(FindValue(root.get(), "v.a"), nullptr);
    EXPECT_EQ(TextAt(root.get(), "v.z"), "1");
    // After a dotted name the "@" leaves no dangling node behind.
    EXPECT_EQ(TextAt(root.get(), "w.x"), "2");
    EXPECT_EQ(FindNode(root.get(), "w.b"), nullptr);
}

TEST(ConfigParser, LineEndsCommentsBareNamesAndOpenQuotes) {
    auto root = ParseText("a=1\r\nb=2\rc=3\n; d=4\nlonely\n  e = 5 ;; x=1\ns=\"abc def\nt=1");
    EXPECT_EQ(TextAt(root.get(), "b") + TextAt(root.get(), "c") + TextAt(root.get(), "e"), "235");
    for (const char* absent : {"d", "lonely", "x"})
        EXPECT_EQ(FindValue(root.get(), absent), nullptr);
    // An unterminated quote runs to the end of its line.
    EXPECT_EQ(TextAt(root.get(), "s"), "\"\\\"abc def\"");
    EXPECT_EQ(TextAt(root.get(), "t"), "1");
}

TEST(ConfigParser, SyntaxErrorsMarkTheOffendingCharacter) {
    EXPECT_EQ(ErrorOf("ok=1\na = 1 $"), "Sintax error in line: a = 1 <ERR>$");
    EXPECT_EQ(ErrorOf("x{ a=1 }}"), "Sintax error in line: x{ a=1 }<ERR>}");
    EXPECT_EQ(ErrorOf("a=1 }"), "Sintax error in line: a=1 <ERR>}");
    EXPECT_EQ(ErrorOf("na-me = 1"), "Sintax error in line: na<ERR>-me = 1");
}

TEST(ConfigParser, HostileTextEndsInAnErrorNotACrash) {
    std::string deep(100000, '{');
    EXPECT_EQ(ErrorOf(deep).rfind("Sintax error in line: ", 0), 0u);
    std::string dots;
    for (int i = 0; i < 5000; ++i) dots += "a.";
    EXPECT_EQ(ErrorOf(dots + "b=1").rfind("Sintax error in line: ", 0), 0u);
    // A long line is read whole; the error text is cut to the message buffer.
    std::string longValue(200000, 'x');
    auto root = ParseText("v=" + longValue);
    std::string s;
    FindValue(root.get(), "v")->GetString(s);
    EXPECT_EQ(s.size(), longValue.size());
    EXPECT_LT(ErrorOf("v=" + longValue + " $").size(), 4096u);
    // Open blocks at the end are closed silently.
    EXPECT_EQ(ErrorOf("a{ b{ c=1"), "no error");
}

}  // namespace
}  // namespace cv
