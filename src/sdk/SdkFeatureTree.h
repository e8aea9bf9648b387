#pragma once

#include <string>
#include <vector>

class SdkDevice;

// What the camera's GenICam document says about its features beyond their
// values: the categories that group them, each one's description and unit,
// and whether it is locked.
// A device that is not connected, or a test double without a document, gives
// nothing.

// A category: the names of its features and of its subcategories, in the
// document's order. The top category is named "Root".
struct SdkFeatureCategory {
    std::string name;
    std::vector<std::string> members;
};

std::vector<SdkFeatureCategory> ReadFeatureCategories(SdkDevice& device);

struct SdkFeatureNotes {
    // The description, or the tooltip when there is none.
    std::string description;
    // Integers and floats only.
    std::string unit;
};

SdkFeatureNotes ReadFeatureNotes(SdkDevice& device, const std::string& name);

// True while the feature's lock (its pIsLocked, such as TLParamsLocked during
// a continuous acquisition) holds: the camera may ignore or refuse a write.
bool IsFeatureLocked(SdkDevice& device, const std::string& name);
