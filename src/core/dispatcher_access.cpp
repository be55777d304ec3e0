#include "core/dispatcher_access.h"

#include "core/fatal_error.h"

namespace cv {

DispatcherItem* FindChild(Dispatcher* node, const std::string& name) {
    return node ? node->Child(name) : nullptr;
}

namespace {

DispatcherItem* FindItem(Dispatcher* node, const std::string& path) {
    DispatcherItem* item = nullptr;
    size_t start = 0;
    while (true) {
        size_t dot = path.find('.', start);
        if (!node) return nullptr;
        item = node->Child(path.substr(start, dot == std::string::npos ? dot : dot - start));
        if (!item || dot == std::string::npos) return item;
        node = item->AsDispatcher();
        start = dot + 1;
    }
}

DispatcherItem* RequireChild(const std::string& requester, Dispatcher* node,
                             const std::string& id) {
    if (!node) {
        FatalError("Error of dispatcher using: %s in %s", "Empty dispatcher", requester.c_str());
    }
    DispatcherItem* item = node->Child(id);
    if (!item) FatalError("Not found ID <%s> in %s", id.c_str(), requester.c_str());
    return item;
}

Value* RequireValue(const std::string& requester, Dispatcher* node, const std::string& id) {
    Value* value = RequireChild(requester, node, id)->AsValue();
    if (!value) FatalError("Not found ID <%s> in %s", id.c_str(), requester.c_str());
    return value;
}

[[noreturn]] void WrongKind(const std::string& requester, const std::string& id) {
    FatalError("Cant get value of <%s> in %s", id.c_str(), requester.c_str());
}

}  // namespace

Value* FindValue(Dispatcher* node, const std::string& path) {
    DispatcherItem* item = FindItem(node, path);
    return item ? item->AsValue() : nullptr;
}

Dispatcher* FindNode(Dispatcher* node, const std::string& path) {
    DispatcherItem* item = FindItem(node, path);
    return item ? item->AsDispatcher() : nullptr;
}

std::string FirstChildName(Dispatcher* node) {
    if (!node || node->children().empty()) return {};
    return node->children().begin()->first;
}

std::string NextChildName(Dispatcher* node, const std::string& name) {
    if (!node) return {};
    const auto& children = node->children();
    auto it = children.find(name);
    if (it == children.end() || ++it == children.end()) return {};
    return it->first;
}

void GetString(const std::string& requester, Dispatcher* node, const std::string& id,
               std::string& out) {
    if (!RequireValue(requester, node, id)->GetString(out)) WrongKind(requester, id);
}

void GetInt(const std::string& requester, Dispatcher* node, const std::string& id, int32_t& out) {
    if (!RequireValue(requester, node, id)->GetInt(out)) WrongKind(requester, id);
}

Dispatcher* GetNode(const std::string& requester, Dispatcher* node, const std::string& id) {
    Dispatcher* child = RequireChild(requester, node, id)->AsDispatcher();
    if (!child) FatalError("Not found ID <%s> in %s", id.c_str(), requester.c_str());
    return child;
}

}  // namespace cv
