#include "controls/FeatureTree.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

using CategoryMap = std::map<std::string, const SdkFeatureCategory*>;

void AddMembers(const SdkFeatureCategory& category, const CategoryMap& byName, const SdkGenParameterArray& features,
                std::set<std::string>& entered, std::set<std::string>& placed, FeatureTreeNode& node)
{
    for (const std::string& member : category.members) {
        if (auto sub = byName.find(member); sub != byName.end()) {
            if (!entered.insert(member).second)
                continue;
            FeatureTreeNode child{member, true, {}};
            AddMembers(*sub->second, byName, features, entered, placed, child);
            if (!child.children.empty())
                node.children.push_back(std::move(child));
        } else if (features.Get(member) != nullptr && placed.insert(member).second) {
            node.children.push_back({member, false, {}});
        }
    }
}

} // namespace

FeatureTreeNode BuildFeatureTree(const std::vector<SdkFeatureCategory>& categories,
                                 const SdkGenParameterArray& features)
{
    FeatureTreeNode root{"Root", true, {}};
    CategoryMap byName;
    for (const SdkFeatureCategory& category : categories)
        byName.emplace(category.name, &category);

    std::set<std::string> entered{"Root"};
    std::set<std::string> placed;
    if (auto listedRoot = byName.find("Root"); listedRoot != byName.end()) {
        AddMembers(*listedRoot->second, byName, features, entered, placed, root);
    } else {
        std::set<std::string> listed;
        for (const SdkFeatureCategory& category : categories)
            listed.insert(category.members.begin(), category.members.end());
        SdkFeatureCategory top{"Root", {}};
        for (const SdkFeatureCategory& category : categories) {
            if (!listed.contains(category.name))
                top.members.push_back(category.name);
        }
        AddMembers(top, byName, features, entered, placed, root);
    }

    FeatureTreeNode other{kUncategorisedName, true, {}};
    FeatureTreeNode& rest = categories.empty() ? root : other;
    for (uint32_t i = 0; i < features.GetCount(); ++i) {
        const std::string& name = features.Get(i)->GetName();
        if (!placed.contains(name) && !byName.contains(name))
            rest.children.push_back({name, false, {}});
    }
    if (!other.children.empty())
        root.children.push_back(std::move(other));
    return root;
}

IntegerFit FitInteger(int64_t value, int64_t min, int64_t max, int64_t increment)
{
    IntegerFit fit;
    const __int128 step = std::max<int64_t>(increment, 1);
    const __int128 clamped = std::clamp(value, min, std::max(min, max));
    fit.clamped = clamped != value;
    __int128 steps = (clamped - min + step / 2) / step;
    __int128 fitted = min + steps * step;
    if (fitted > max)
        fitted -= step;
    fit.value = static_cast<int64_t>(std::max<__int128>(fitted, min));
    fit.rounded = !fit.clamped && fit.value != value;
    return fit;
}
