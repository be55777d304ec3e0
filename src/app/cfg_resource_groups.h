#pragma once

#include "app/cfg_file.h"
#include "core/resource_groups.h"

namespace cv {

// Builds the resource groups from the CFG's group, "dir" and "package" lines.
// Construction empties the registry and registers a fresh default group,
// which takes the lines before the first header.
class CfgResourceGroups : public CfgResourceSink {
public:
    CfgResourceGroups();
    void BeginGroup(const std::string& name) override;
    void AddDirectory(const std::string& path) override;
    void AddPackage(const std::string& path) override;

private:
    Ref<ResourceGroup> group_;
};

}  // namespace cv
