#include "core/dispatcher.h"

#include <gtest/gtest.h>

#include "core/config_parser.h"
#include "core/dispatcher_access.h"
#include "support/error_of.h"

namespace cv {
namespace {

using test::ErrorOf;

class StrictAccess : public ::testing::Test {
protected:
    void SetUp() override { Parse(*root, "s=\"text\"\ni=3\nf=2.5\nnode{ x=1 }"); }
    Ref<Dispatcher> root = MakeRef<Dispatcher>();
};

TEST_F(StrictAccess, GiveValuesOfTheirOwnKind) {
    int32_t i = 0;
    std::string s;
    GetInt("Test", root.get(), "i", i);
    GetString("Test", root.get(), "s", s);
    EXPECT_EQ(i, 3);
    EXPECT_EQ(s, "text");
    EXPECT_EQ(GetNode("Test", root.get(), "node"), FindNode(root.get(), "node"));
}

TEST_F(StrictAccess, ReportMissingAndWronglyKindedItems) {
    int32_t i = 0;
    std::string s;
    EXPECT_EQ(ErrorOf([&] { GetInt("Hero", root.get(), "s", i); }),
              "Cant get value of <s> in Hero");
    EXPECT_EQ(ErrorOf([&] { GetInt("Hero", root.get(), "f", i); }),
              "Cant get value of <f> in Hero");
    EXPECT_EQ(ErrorOf([&] { GetString("Hero", root.get(), "i", s); }),
              "Cant get value of <i> in Hero");
    EXPECT_EQ(ErrorOf([&] { GetInt("Hero", root.get(), "nope", i); }),
              "Not found ID <nope> in Hero");
    EXPECT_EQ(ErrorOf([&] { GetString("Hero", root.get(), "node", s); }),
              "Not found ID <node> in Hero");
    EXPECT_EQ(ErrorOf([&] { GetNode("Hero", root.get(), "i"); }), "Not found ID <i> in Hero");
    EXPECT_EQ(ErrorOf([&] { GetInt("Hero", nullptr, "i", i); }),
              "Error of dispatcher using: Empty dispatcher in Hero");
    EXPECT_EQ(i, 0);  // untouched by the failed reads
}

TEST_F(StrictAccess, PathsAndChildWalking) {
    EXPECT_NE(FindValue(root.get(), "node.x"), nullptr);
    EXPECT_EQ(FindValue(root.get(), "node"), nullptr);
    EXPECT_EQ(FindNode(root.get(), "i.x"), nullptr);
    EXPECT_EQ(FindValue(root.get(), "node.x.y"), nullptr);
    EXPECT_EQ(FindValue(nullptr, "i"), nullptr);
    std::string names;
    for (std::string n = FirstChildName(root.get()); !n.empty(); n = NextChildName(root.get(), n)) {
        names += n + ",";
    }
    EXPECT_EQ(names, "f,i,node,s,");  // byte order of the names
    EXPECT_EQ(NextChildName(root.get(), "s"), "");
    EXPECT_EQ(NextChildName(root.get(), "absent"), "");
    Ref<Dispatcher> empty = MakeRef<Dispatcher>();
    EXPECT_EQ(FirstChildName(empty.get()), "");
}

TEST(Values, AnswerOnlyTheirOwnAccessors) {
    IntValue i(5);
    FloatValue f(1.5f);
    StringValue s("x");
    int32_t iv = -1;
    float fv = -1;
    std::string sv = "keep";
    EXPECT_FALSE(i.GetFloat(fv));
    EXPECT_FALSE(f.GetInt(iv));
    EXPECT_FALSE(i.GetString(sv));
    EXPECT_FALSE(s.SetInt(3));
    EXPECT_FALSE(i.SetObject(nullptr));
    EXPECT_EQ(i.GetObject(), nullptr);
    EXPECT_EQ(fv, -1);
    EXPECT_EQ(iv, -1);
    EXPECT_EQ(sv, "keep");
    EXPECT_STREQ(TypeName(3), "Object");
    EXPECT_STREQ(TypeName(7), "?");
}

TEST(Values, TextFormsRoundTrip) {
    StringValue s("a\\b\"c\td\ne\rf");
    std::string text;
    s.ToText(text);
    EXPECT_EQ(text, "\"a\\\\b\\\"c\\td\\ne\\rf\"");
    StringValue back;
    back.FromText(text);
    std::string out;
    back.GetString(out);
    EXPECT_EQ(out, "a\\b\"c\td\ne\rf");
    // Unknown escapes and a backslash before the closing quote stay as written.
    back.FromText("\"x\\qy\\\"");
    back.GetString(out);
    EXPECT_EQ(out, "x\\qy\\");
    FloatValue f;
    f.FromText("0.1");
    f.ToText(text);
    EXPECT_EQ(text, "0.1");
    IntValue big;
    big.FromText("99999999999");
    big.ToText(text);
    EXPECT_EQ(text, "2147483647");
}

TEST(Values, KindOfText) {
    EXPECT_EQ(KindOfText("\"\""), kStringType);
    EXPECT_EQ(KindOfText("\""), kStringType);
    EXPECT_EQ(KindOfText("-12"), kIntType);
    EXPECT_EQ(KindOfText(""), kIntType);
    EXPECT_EQ(KindOfText(".5"), kFloatType);
    EXPECT_EQ(KindOfText("5."), kFloatType);
    EXPECT_EQ(KindOfText("-1.5E+3"), kFloatType);
    EXPECT_EQ(KindOfText("1e"), kStringType);
    EXPECT_EQ(KindOfText("e5"), kStringType);
    EXPECT_EQ(KindOfText("."), kStringType);
    EXPECT_EQ(KindOfText("12a"), kStringType);
}

}  // namespace
}  // namespace cv
