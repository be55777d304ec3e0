#include "core/resource_groups.h"

#include <map>

#include "core/fatal_error.h"
#include "core/file_opener.h"
#include "core/file_stream.h"
#include "core/package_source.h"
#include "core/settings.h"

namespace cv {

DirectorySource::DirectorySource(std::string name, std::string directory)
    : ResourceSource(std::move(name)), directory_(NativePath(directory)) {}

Ref<Stream> DirectorySource::Open(const std::string& resource) {
    std::string path = directory_ + NativePath(resource);
    if (!FileExists(path)) return nullptr;
    return MakeRef<FileStream>(path, 'r');
}

Ref<Stream> ResourceGroup::Open(const std::string& resource) {
    for (auto it = sources_.rbegin(); it != sources_.rend(); ++it) {
        if (Ref<Stream> stream = (*it)->Open(resource)) return stream;
    }
    return nullptr;
}

bool ResourceGroup::Remove(const std::string& sourceName) {
    for (auto it = sources_.begin(); it != sources_.end(); ++it) {
        if ((*it)->name() == sourceName) {
            sources_.erase(it);
            return true;
        }
    }
    return false;
}

namespace {

struct Registry {
    std::map<std::string, Ref<ResourceGroup>> groups;
    Ref<ResourceGroup> defaultGroup;
    Ref<ResourceGroup> current;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

}  // namespace

void RegisterGroup(Ref<ResourceGroup> group) {
    Registry& r = TheRegistry();
    const std::string name = group->name();
    if (name.empty() && !r.defaultGroup) r.defaultGroup = group;
    r.groups[name] = std::move(group);
}

ResourceGroup* FindGroup(const std::string& name) {
    auto& groups = TheRegistry().groups;
    auto it = groups.find(name);
    return it == groups.end() ? nullptr : it->second.get();
}

ResourceGroup* DefaultGroup() {
    return TheRegistry().defaultGroup.get();
}

ResourceGroup* CurrentGroup() {
    return TheRegistry().current.get();
}

void SelectGroup(const std::string& name) {
    TheRegistry().current = FindGroup(name);
}

std::string GroupName(size_t index) {
    auto& groups = TheRegistry().groups;
    if (index >= groups.size()) return {};
    auto it = groups.begin();
    std::advance(it, static_cast<long>(index));
    return it->first;
}

size_t GroupCount() {
    return TheRegistry().groups.size();
}

void ResetResourceGroups() {
    TheRegistry() = Registry();
}

Ref<Stream> OpenResource(const std::string& name) {
    if (ResourceGroup* current = CurrentGroup()) {
        if (Ref<Stream> stream = current->Open(name)) return stream;
    }
    ResourceGroup* fallback = DefaultGroup();
    return fallback ? fallback->Open(name) : nullptr;
}

Ref<Stream> OpenResourceOrFail(const std::string& name) {
    Ref<Stream> stream = OpenResource(name);
    if (!stream) FatalError("Resource not found: %s", name.c_str());
    return stream;
}

bool ResourceExists(const std::string& name) {
    return static_cast<bool>(OpenResource(name));
}

Ref<ResourceSource> MakeDirectorySource(const std::string& path) {
    return MakeRef<DirectorySource>(path, AppDir() + path + "\\");
}

Ref<ResourceSource> MakePackageSource(const std::string& path) {
    return MakeRef<PackageSource>(path, CurrentFileOpener().OpenFile(AppDir() + path, 'r'));
}

namespace {

// A "[]" group may hold the name "" in the map; callers saying "" mean the default.
ResourceGroup* SourceGroup(const std::string& groupName) {
    return groupName.empty() ? DefaultGroup() : FindGroup(groupName);
}

}  // namespace

void AddSource(const std::string& groupName, const std::string& path, bool isDirectory) {
    ResourceGroup* group = SourceGroup(groupName);
    if (!group) return;
    group->Add(isDirectory ? MakeDirectorySource(path) : MakePackageSource(path));
}

void RemoveSource(const std::string& groupName, const std::string& path) {
    if (ResourceGroup* group = SourceGroup(groupName)) group->Remove(path);
}

}  // namespace cv
