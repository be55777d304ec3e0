#include "app/cfg_resource_groups.h"

namespace cv {

CfgResourceGroups::CfgResourceGroups() : group_(MakeRef<ResourceGroup>("")) {
    ResetResourceGroups();
    RegisterGroup(group_);
}

void CfgResourceGroups::BeginGroup(const std::string& name) {
    group_ = MakeRef<ResourceGroup>(name);
    RegisterGroup(group_);
}

void CfgResourceGroups::AddDirectory(const std::string& path) {
    group_->Add(MakeDirectorySource(path));
}

void CfgResourceGroups::AddPackage(const std::string& path) {
    group_->Add(MakePackageSource(path));
}

}  // namespace cv
