#pragma once

#include <string>
#include <vector>

// What the camera's GenICam document says about its features beyond their
// values: the categories that group them, each one's description and unit,
// and whether it is locked, as SdkDevice reads them.

// A category: the names of its features and of its subcategories, in the
// document's order. The top category is named "Root".
struct SdkFeatureCategory {
    std::string name;
    std::vector<std::string> members;
};

struct SdkFeatureNotes {
    // The description, or the tooltip when there is none.
    std::string description;
    // Integers and floats only.
    std::string unit;
};
