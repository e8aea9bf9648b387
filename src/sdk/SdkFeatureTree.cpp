#include "sdk/SdkFeatureTree.h"

#include "sdk/SdkDeviceImpl.h"

#include <string_view>

namespace {

// Aravis inserts its own aliases of bootstrap registers under this prefix.
constexpr std::string_view kAravisPrivatePrefix = "Arv";

ArvGc* GenICamOf(SdkDevice& device)
{
    SdkDevice::Impl* impl = device.GetImpl();
    ArvDevice* arvDevice = impl != nullptr && impl->connected ? impl->Device() : nullptr;
    return arvDevice != nullptr ? arv_device_get_genicam(arvDevice) : nullptr;
}

// Categories sit in the register description, and may sit in groups there.
void AddCategories(ArvDomNode* parent, std::vector<SdkFeatureCategory>& categories)
{
    for (ArvDomNode* child = arv_dom_node_get_first_child(parent); child != nullptr;
         child = arv_dom_node_get_next_sibling(child)) {
        if (ARV_IS_GC_CATEGORY(child)) {
            SdkFeatureCategory category;
            category.name = arv_gc_feature_node_get_name(ARV_GC_FEATURE_NODE(child));
            for (const GSList* item = arv_gc_category_get_features(ARV_GC_CATEGORY(child)); item != nullptr;
                 item = item->next) {
                const char* name = static_cast<const char*>(item->data);
                if (name != nullptr && !std::string_view(name).starts_with(kAravisPrivatePrefix))
                    category.members.emplace_back(name);
            }
            categories.push_back(std::move(category));
        } else {
            AddCategories(child, categories);
        }
    }
}

ArvGcNode* FeatureNodeOf(SdkDevice& device, const std::string& name)
{
    ArvGc* genicam = GenICamOf(device);
    ArvGcNode* node = genicam != nullptr ? arv_gc_get_node(genicam, name.c_str()) : nullptr;
    return node != nullptr && ARV_IS_GC_FEATURE_NODE(node) ? node : nullptr;
}

} // namespace

std::vector<SdkFeatureCategory> SdkDevice::ReadFeatureCategories()
{
    std::vector<SdkFeatureCategory> categories;
    if (ArvGc* genicam = GenICamOf(*this))
        AddCategories(ARV_DOM_NODE(genicam), categories);
    return categories;
}

SdkFeatureNotes SdkDevice::ReadFeatureNotes(const std::string& name)
{
    SdkFeatureNotes notes;
    ArvGcNode* node = FeatureNodeOf(*this, name);
    if (node == nullptr)
        return notes;
    ArvGcFeatureNode* feature = ARV_GC_FEATURE_NODE(node);
    const char* description = arv_gc_feature_node_get_description(feature);
    if (description == nullptr)
        description = arv_gc_feature_node_get_tooltip(feature);
    if (description != nullptr)
        notes.description = description;
    const char* unit = nullptr;
    if (ARV_IS_GC_FLOAT(node))
        unit = arv_gc_float_get_unit(ARV_GC_FLOAT(node));
    else if (ARV_IS_GC_INTEGER(node) && !ARV_IS_GC_ENUMERATION(node))
        unit = arv_gc_integer_get_unit(ARV_GC_INTEGER(node));
    if (unit != nullptr)
        notes.unit = unit;
    return notes;
}

bool SdkDevice::IsFeatureLocked(const std::string& name)
{
    ArvGcNode* node = FeatureNodeOf(*this, name);
    bool locked = false;
    if (node != nullptr) {
        GError* error = nullptr;
        locked = arv_gc_feature_node_is_locked(ARV_GC_FEATURE_NODE(node), &error);
        if (error != nullptr) {
            g_error_free(error);
            locked = false;
        }
    }
    return locked;
}
