// corvanth-ini: shows how the game reads configuration text.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "common/tool_main.h"
#include "core/config_parser.h"
#include "core/fatal_error.h"

namespace {

const char kUsage[] =
    "Usage: corvanth-ini dump FILE...\n"
    "Parses the files in order into one tree and prints every item, one a line:\n"
    "the dotted path, its kind (int, float, String) and its value as text;\n"
    "a node without children prints as its path and {}.\n";

void Dump(cv::Dispatcher& node, const std::string& prefix) {
    if (node.children().empty() && !prefix.empty()) {
        std::cout << prefix << " {}\n";
        return;
    }
    for (const auto& [name, item] : node.children()) {
        std::string path = prefix.empty() ? name : prefix + "." + name;
        if (cv::Value* value = item->AsValue()) {
            std::string text;
            value->ToText(text);
            std::cout << path << ' ' << cv::TypeName(value->Type()) << ' ' << text << '\n';
        } else if (cv::Dispatcher* child = item->AsDispatcher()) {
            Dump(*child, path);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    return cv::tool::RunTool(argc, argv, kUsage, [](const cv::tool::Arguments& args) {
        if (args.size() < 2 || args[0] != "dump") throw cv::tool::UsageError{};
        cv::Dispatcher root;
        for (size_t i = 1; i < args.size(); ++i) {
            std::ifstream in(args[i], std::ios::binary);
            if (!in) cv::FatalError("Open error in %s", args[i].c_str());
            std::ostringstream text;
            text << in.rdbuf();
            cv::Parse(root, text.str());
        }
        Dump(root, "");
        return 0;
    });
}
