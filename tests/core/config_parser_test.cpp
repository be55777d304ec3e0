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

// "path=kind text" a line for each path, as the dump tool prints them ("path=none" if missing).
std::string Items(Dispatcher* root, std::initializer_list<const char*> paths) {
    std::string lines;
    for (const char* path : paths) {
        lines += std::string(path) + "=";
        std::string text = "none";
        if (Value* v = FindValue(root, path)) {
            v->ToText(text);
            text = std::string(TypeName(v->Type())) + " " + text;
        }
        lines += text + "\n";
    }
    return lines;
}

TEST(ConfigParser, ValuesTakeTheirKindFromTheTextAndKeepIt) {
    auto root = ParseText(
        "i = 42\nn=-7\nf = 1.5\ne=2e3\nq = \"a;b c\" ; comment\nw = Img\\Heroes\\x;rest\n"
        "empty=\nminus=-\na=5\na=7.9\nb=\"x\"\nb=12\nblock{}\nblock=3\n"
        "k1=1\r\nk2=2\rk3=3\n; d=4\nlonely\n  sp = 5 ;; x=1\ns=\"abc def\nt=1");
    EXPECT_EQ(Items(root.get(), {"i", "n", "f", "e", "q", "w", "empty", "minus"}),
              "i=int 42\nn=int -7\nf=float 1.5\ne=float 2000\nq=String \"a;b c\"\n"
              "w=String \"Img\\\\Heroes\\\\x\"\nempty=int 0\nminus=int 0\n");
    // Reassigned values keep their kind; a value replaces a block of the same name.
    EXPECT_EQ(Items(root.get(), {"a", "b", "block"}), "a=int 7\nb=String \"12\"\nblock=int 3\n");
    // CR, CRLF and LF end lines; comments and bare names add nothing; an open quote runs to
    // the end of its line.
    EXPECT_EQ(Items(root.get(), {"k2", "k3", "sp", "d", "lonely", "x", "s", "t"}),
              "k2=int 2\nk3=int 3\nsp=int 5\nd=none\nlonely=none\nx=none\n"
              "s=String \"\\\"abc def\"\nt=int 1\n");
}

TEST(ConfigParser, DottedNamesBlocksAndSharedLinesBuildTheSameTree) {
    for (const char* text : {"top{\nA.B.c = 1\nd = 2\n}\n", "top { A { B { c = 1 } } d = 2 }",
                             "top {\nA {\nB {\nc=1\n}\n}\nd=2\n}\n"}) {
        // The next line starts at the block node, not at the end of the dotted name.
        EXPECT_EQ(Items(ParseText(text).get(), {"top.A.B.c", "top.d", "top.A.d"}),
                  "top.A.B.c=int 1\ntop.d=int 2\ntop.A.d=none\n")
            << text;
    }
}

TEST(ConfigParser, LaterTextMergesAndAtSignEmptiesABlock) {
    auto root = ParseText("u { a=1 b=2 }\nv { a=1 }\nw { b { c=1 } }");
    Parse(*root, "u { c=3 a=9 }\nv { @ z=1 }\nw { b.@ x=2 }");
    EXPECT_EQ(Items(root.get(), {"u.a", "u.b", "u.c", "v.a", "v.z", "w.x"}),
              "u.a=int 9\nu.b=int 2\nu.c=int 3\nv.a=none\nv.z=int 1\nw.x=int 2\n");
    // After a dotted name the "@" leaves no dangling node behind.
    EXPECT_EQ(FindNode(root.get(), "w.b"), nullptr);
}

TEST(ConfigParser, SyntaxErrorsMarkTheOffendingCharacter) {
    EXPECT_EQ(ErrorOf("ok=1\na = 1 $"), "Sintax error in line: a = 1 <ERR>$");
    EXPECT_EQ(ErrorOf("x{ a=1 }}"), "Sintax error in line: x{ a=1 }<ERR>}");
    EXPECT_EQ(ErrorOf("a=1 }"), "Sintax error in line: a=1 <ERR>}");
    EXPECT_EQ(ErrorOf("na-me = 1"), "Sintax error in line: na<ERR>-me = 1");
}

TEST(ConfigParser, HostileTextEndsInAnErrorNotACrash) {
    std::string dots;
    for (int i = 0; i < 5000; ++i) dots += "a.";
    for (const std::string& deep : {std::string(100000, '{'), dots + "b=1"})
        EXPECT_EQ(ErrorOf(deep).rfind("Sintax error in line: ", 0), 0u);
    // A long line is read whole; the error text is cut to the message buffer.
    std::string longValue(200000, 'x');
    std::string s;
    FindValue(ParseText("v=" + longValue).get(), "v")->GetString(s);
    EXPECT_EQ(s, longValue);
    EXPECT_LT(ErrorOf("v=" + longValue + " $").size(), 4096u);
    // Open blocks at the end are closed silently.
    EXPECT_EQ(ErrorOf("a{ b{ c=1"), "no error");
}

}  // namespace
}  // namespace cv
