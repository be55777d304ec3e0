#include "core/dispatcher.h"

#include <gtest/gtest.h>

#include <tuple>

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

TEST(Values, AnswerOnlyTheirOwnAccessorsAndLeaveTheOutputAlone) {
    int32_t iv = -1;
    float fv = -1;
    std::string sv = "keep";
    EXPECT_FALSE(IntValue(5).GetFloat(fv) || FloatValue(1.5f).GetInt(iv) ||
                 IntValue(5).GetString(sv) || StringValue("x").SetInt(3));
    EXPECT_EQ(std::make_tuple(iv, fv, sv), std::make_tuple(-1, -1.0f, std::string("keep")));
    EXPECT_STREQ(TypeName(7), "?");
}

// What a value read from `text` writes back.
template <class V>
std::string Rewritten(const std::string& text) {
    V value;
    value.FromText(text);
    std::string out;
    value.ToText(out);
    return out;
}

TEST(Values, TextFormsRoundTrip) {
    std::string text;
    StringValue("a\\b\"c\td\ne\rf").ToText(text);
    EXPECT_EQ(text, "\"a\\\\b\\\"c\\td\\ne\\rf\"");
    EXPECT_EQ(Rewritten<StringValue>(text), text);
    // Unknown escapes and a backslash before the closing quote stay as written.
    EXPECT_EQ(Rewritten<StringValue>("\"x\\qy\\\""), "\"x\\\\qy\\\\\"");
    EXPECT_EQ(Rewritten<FloatValue>("0.1"), "0.1");
    EXPECT_EQ(Rewritten<IntValue>("99999999999"), "2147483647");
}

TEST(Values, KindOfText) {
    const std::pair<const char*, int> cases[] = {
        {"\"\"", kStringType}, {"\"", kStringType}, {"-12", kIntType},       {"", kIntType},
        {".5", kFloatType},    {"5.", kFloatType},  {"-1.5E+3", kFloatType}, {"1e", kStringType},
        {"e5", kStringType},   {".", kStringType},  {"12a", kStringType}};
    for (const auto& [text, kind] : cases) EXPECT_EQ(KindOfText(text), kind) << text;
}

}  // namespace
}  // namespace cv
