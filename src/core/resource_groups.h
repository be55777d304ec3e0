#pragma once

#include <string>
#include <vector>

#include "core/stream.h"

namespace cv {

// Somewhere resources are found by relative name ("Img\Main\back").
class ResourceSource : public RefCounted {
public:
    explicit ResourceSource(std::string name) : name_(std::move(name)) {}
    // The resource's stream, or null when this source does not hold it.
    virtual Ref<Stream> Open(const std::string& resource) = 0;
    // The path this source was added with (what RemoveSource matches).
    const std::string& name() const { return name_; }

private:
    std::string name_;
};

// A folder; `directory` ends in a separator.
class DirectorySource : public ResourceSource {
public:
    DirectorySource(std::string name, std::string directory);
    Ref<Stream> Open(const std::string& resource) override;

private:
    std::string directory_;
};

// Named list of sources; the last added is asked first.
class ResourceGroup : public RefCounted {
public:
    explicit ResourceGroup(std::string name) : name_(std::move(name)) {}
    Ref<Stream> Open(const std::string& resource);
    void Add(Ref<ResourceSource> source) { sources_.push_back(std::move(source)); }
    // Drops the first source added under `sourceName`; false when none matched.
    bool Remove(const std::string& sourceName);
    const std::string& name() const { return name_; }
    size_t sourceCount() const { return sources_.size(); }

private:
    std::string name_;
    std::vector<Ref<ResourceSource>> sources_;
};

// The registry: named groups, the default (unnamed) group and the current one.
// Registers `group` under its name, replacing one of the same name; the first
// unnamed group after a reset also becomes the default and stays so, even when
// a later unnamed group ("[]" in the CFG) takes its place in the name map.
void RegisterGroup(Ref<ResourceGroup> group);
ResourceGroup* FindGroup(const std::string& name);
ResourceGroup* DefaultGroup();
ResourceGroup* CurrentGroup();
// Makes the named group current; an unknown name leaves no current group.
void SelectGroup(const std::string& name);
// The name of the index-th registered group in name order ("" past the end).
std::string GroupName(size_t index);
size_t GroupCount();
// Forgets every group (start-up reads the CFG into an empty registry).
void ResetResourceGroups();

// The current group's stream for `name`, else the default group's, else null.
Ref<Stream> OpenResource(const std::string& name);
// As OpenResource; a resource no group holds ends with "Resource not found: %s".
Ref<Stream> OpenResourceOrFail(const std::string& name);
bool ResourceExists(const std::string& name);

// Sources for a path relative to the game folder, remembering `path` as their
// name: the folder AppDir() + path, or the package file AppDir() + path opened
// in mode "r" through the current FileOpener (its directory is read at once).
Ref<ResourceSource> MakeDirectorySource(const std::string& path);
Ref<ResourceSource> MakePackageSource(const std::string& path);
// Appends such a source to the named group ("" is always the default group);
// an unregistered name adds nothing.
void AddSource(const std::string& groupName, const std::string& path, bool isDirectory);
// Drops the group's first source added under exactly `path`, if any.
void RemoveSource(const std::string& groupName, const std::string& path);

}  // namespace cv
