#include "core/dispatcher.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/config_parser.h"
#include "core/dispatcher_access.h"
#include "support/error_of.h"

namespace cv {
namespace {

using test::ErrorOf;

TEST(Dispatcher, StrictAccessorsPathsAndChildWalking) {
    Ref<Dispatcher> root = MakeRef<Dispatcher>();
    Parse(*root, "s=\"text\"\ni=3\nf=2.5\nnode{ x=1 }");
    int32_t i = 0;
    std::string s;
    Dispatcher* node = root.get();
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[&] { GetInt("Hero", node, "s", i); }, "Cant get value of <s> in Hero"},
        {[&] { GetInt("Hero", node, "f", i); }, "Cant get value of <f> in Hero"},
        {[&] { GetString("Hero", node, "i", s); }, "Cant get value of <i> in Hero"},
        {[&] { GetInt("Hero", node, "nope", i); }, "Not found ID <nope> in Hero"},
        {[&] { GetString("Hero", node, "node", s); }, "Not found ID <node> in Hero"},
        {[&] { GetNode("Hero", node, "i"); }, "Not found ID <i> in Hero"},
        {[&] { GetInt("Hero", nullptr, "i", i); },
         "Error of dispatcher using: Empty dispatcher in Hero"}};
    for (const auto& [read, message] : cases) EXPECT_EQ(ErrorOf(read), message);
    EXPECT_EQ(i, 0);  // untouched by the failed reads

    EXPECT_NE(FindValue(root.get(), "node.x"), nullptr);
    for (const char* path : {"node", "node.x.y"}) EXPECT_EQ(FindValue(root.get(), path), nullptr);
    EXPECT_EQ(FindNode(root.get(), "i.x"), nullptr);
    EXPECT_EQ(FindValue(nullptr, "i"), nullptr);
    std::string names;
    for (std::string n = FirstChildName(root.get()); !n.empty(); n = NextChildName(root.get(), n))
        names += n + ",";
    EXPECT_EQ(names, "f,i,node,s,");  // byte order of the names
    EXPECT_EQ(NextChildName(root.get(), "absent"), "");
    EXPECT_EQ(FirstChildName(MakeRef<Dispatcher>().get()), "");
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
