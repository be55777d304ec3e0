#pragma once

#include <cstdint>
#include <string>

#include "core/dispatcher.h"

namespace cv {

DispatcherItem* FindChild(Dispatcher* node, const std::string& name);

// Resolves a dotted path; null when a part is missing or cannot be descended into.
Value* FindValue(Dispatcher* node, const std::string& path);
Dispatcher* FindNode(Dispatcher* node, const std::string& path);

// Children in name order; the empty string ends the walk.
std::string FirstChildName(Dispatcher* node);
std::string NextChildName(Dispatcher* node, const std::string& name);

// Strict accessors: a missing node, a missing or wrongly kinded child ends the
// program with a message naming `id` and the requester.
void GetString(const std::string& requester, Dispatcher* node, const std::string& id,
               std::string& out);
void GetInt(const std::string& requester, Dispatcher* node, const std::string& id, int32_t& out);
Dispatcher* GetNode(const std::string& requester, Dispatcher* node, const std::string& id);

}  // namespace cv
