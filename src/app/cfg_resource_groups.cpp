#include "app/cfg_resource_groups.h"

#include "core/fatal_error.h"
#include "core/file_stream.h"
#include "core/settings.h"

namespace cv {

void CfgResourceGroups::BeginGroup(const std::string& name) {
    if (name.empty()) ResetResourceGroups();
    group_ = MakeRef<ResourceGroup>(name);
    RegisterGroup(group_);
}

void CfgResourceGroups::AddDirectory(const std::string& path) {
    group_->Add(MakeRef<DirectorySource>(path, AppDir() + path + "\\"));
}

void CfgResourceGroups::AddPackage(const std::string& path) {
    std::string full = AppDir() + path;
    if (!FileExists(NativePath(full))) FatalError("Open error in %s", NativePath(full).c_str());
}

}  // namespace cv
