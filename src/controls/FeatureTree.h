#pragma once

#include "sdk/SdkFeatureTree.h"
#include "sdk/SdkGenParameter.h"

#include <cstdint>
#include <string>
#include <vector>

// The camera's features arranged by its categories, for the features window.
struct FeatureTreeNode {
    std::string name;
    bool category = false;
    std::vector<FeatureTreeNode> children;
};

// Name of the category that collects the features no category lists.
inline constexpr const char* kUncategorisedName = "Other";

// The tree under the category "Root" (or, without one, every category that
// no other category lists). A category is entered once on any path, so a
// description whose categories list each other still ends; members that are
// neither a category nor a feature are left out, and so are categories left
// empty. Features that no category reaches end under kUncategorisedName;
// without any category, every feature is a child of the root.
FeatureTreeNode BuildFeatureTree(const std::vector<SdkFeatureCategory>& categories,
                                 const SdkGenParameterArray& features);

// An integer as the feature can take it: within [min, max] and a whole number
// of increments above min, rounded to the nearest one (an increment below 1
// counts as 1).
struct IntegerFit {
    int64_t value = 0;
    bool clamped = false;
    bool rounded = false;
};
IntegerFit FitInteger(int64_t value, int64_t min, int64_t max, int64_t increment);
