#include "sdk/SdkGenICamParameters.h"

#include "sdk/SdkArv.h"

#include <string_view>
#include <vector>

namespace {

// Aravis inserts its own aliases of bootstrap registers under this prefix.
constexpr std::string_view kAravisPrivatePrefix = "Arv";

SdkVisibility VisibilityOf(ArvGcFeatureNode* node)
{
    switch (arv_gc_feature_node_get_visibility(node)) {
    case ARV_GC_VISIBILITY_EXPERT:
        return SDK_VISIBILITY_EXPERT;
    case ARV_GC_VISIBILITY_GURU:
        return SDK_VISIBILITY_GURU;
    case ARV_GC_VISIBILITY_INVISIBLE:
        return SDK_VISIBILITY_INVISIBLE;
    default:
        // GenICam's default visibility is Beginner.
        return SDK_VISIBILITY_BEGINNER;
    }
}

// The access mode and the node handle shared by every GenICam-backed kind.
template <class Base>
class GcParameter : public Base {
public:
    explicit GcParameter(ArvGcFeatureNode* node)
        : Base(arv_gc_feature_node_get_name(node), VisibilityOf(node)),
          node_(node)
    {
    }

    bool IsReadable() const override
    {
        ArvGcAccessMode mode = arv_gc_feature_node_get_actual_access_mode(node_);
        return mode == ARV_GC_ACCESS_MODE_RO || mode == ARV_GC_ACCESS_MODE_RW;
    }

    bool IsWritable() const override
    {
        ArvGcAccessMode mode = arv_gc_feature_node_get_actual_access_mode(node_);
        return mode == ARV_GC_ACCESS_MODE_WO || mode == ARV_GC_ACCESS_MODE_RW;
    }

protected:
    // Runs a change and notifies the sinks when the camera took it.
    template <class Call>
    SdkResult Change(Call&& call)
    {
        SdkResult result = ArvCall(call);
        if (result.IsOK())
            this->NotifySinks();
        return result;
    }

    ArvGcFeatureNode* node_;
};

class GcInteger final : public GcParameter<SdkGenInteger> {
public:
    using GcParameter::GcParameter;

    SdkResult GetValue(int64_t& value) const override
    {
        return ArvCall([&](GError** error) { value = arv_gc_integer_get_value(Node(), error); });
    }
    SdkResult SetValue(int64_t value) override
    {
        return Change([&](GError** error) { arv_gc_integer_set_value(Node(), value, error); });
    }
    SdkResult GetMin(int64_t& value) const override
    {
        return ArvCall([&](GError** error) { value = arv_gc_integer_get_min(Node(), error); });
    }
    SdkResult GetMax(int64_t& value) const override
    {
        return ArvCall([&](GError** error) { value = arv_gc_integer_get_max(Node(), error); });
    }
    SdkResult GetIncrement(int64_t& value) const override
    {
        return ArvCall([&](GError** error) { value = arv_gc_integer_get_inc(Node(), error); });
    }

private:
    ArvGcInteger* Node() const { return ARV_GC_INTEGER(node_); }
};

class GcFloat final : public GcParameter<SdkGenFloat> {
public:
    using GcParameter::GcParameter;

    SdkResult GetValue(double& value) const override
    {
        return ArvCall([&](GError** error) { value = arv_gc_float_get_value(Node(), error); });
    }
    SdkResult SetValue(double value) override
    {
        return Change([&](GError** error) { arv_gc_float_set_value(Node(), value, error); });
    }
    SdkResult GetMin(double& value) const override
    {
        return ArvCall([&](GError** error) { value = arv_gc_float_get_min(Node(), error); });
    }
    SdkResult GetMax(double& value) const override
    {
        return ArvCall([&](GError** error) { value = arv_gc_float_get_max(Node(), error); });
    }

private:
    ArvGcFloat* Node() const { return ARV_GC_FLOAT(node_); }
};

class GcEnum final : public GcParameter<SdkGenEnum> {
public:
    using GcParameter::GcParameter;

    SdkResult GetValue(int64_t& value) const override
    {
        return ArvCall([&](GError** error) { value = arv_gc_enumeration_get_int_value(Node(), error); });
    }
    SdkResult GetValue(std::string& entryName) const override
    {
        const char* name = nullptr;
        SdkResult result = ArvCall([&](GError** error) { name = arv_gc_enumeration_get_string_value(Node(), error); });
        if (result.IsOK() && name == nullptr)
            return SdkResult::NOT_FOUND;
        if (result.IsOK())
            entryName = name;
        return result;
    }
    SdkResult SetValue(int64_t value) override
    {
        return Change([&](GError** error) { arv_gc_enumeration_set_int_value(Node(), value, error); });
    }
    SdkResult SetValue(const std::string& entryName) override
    {
        return Change([&](GError** error) { arv_gc_enumeration_set_string_value(Node(), entryName.c_str(), error); });
    }
    SdkResult GetEntriesCount(uint32_t& count) const override
    {
        count = static_cast<uint32_t>(Entries().size());
        return SdkResult::OK;
    }
    SdkResult GetEntryByIndex(uint32_t index, SdkGenEnumEntry& entry) const override
    {
        const std::vector<ArvGcFeatureNode*> entries = Entries();
        if (index >= entries.size())
            return SdkResult::INVALID_PARAMETER;
        ArvGcFeatureNode* node = entries[index];
        int64_t value = 0;
        SdkResult result =
            ArvCall([&](GError** error) { value = arv_gc_enum_entry_get_value(ARV_GC_ENUM_ENTRY(node), error); });
        if (!result.IsOK())
            return result;
        bool available = false;
        result = ArvCall([&](GError** error) { available = arv_gc_feature_node_is_available(node, error); });
        if (!result.IsOK())
            return result;
        entry = SdkGenEnumEntry(arv_gc_feature_node_get_name(node), value, available);
        return SdkResult::OK;
    }

private:
    ArvGcEnumeration* Node() const { return ARV_GC_ENUMERATION(node_); }
    // The entries in the order of the camera's description, which is what
    // entry indexes count: Aravis's own entry list holds them last first.
    std::vector<ArvGcFeatureNode*> Entries() const
    {
        std::vector<ArvGcFeatureNode*> entries;
        for (ArvDomNode* child = arv_dom_node_get_first_child(ARV_DOM_NODE(node_)); child != nullptr;
             child = arv_dom_node_get_next_sibling(child)) {
            if (ARV_IS_GC_ENUM_ENTRY(child))
                entries.push_back(ARV_GC_FEATURE_NODE(child));
        }
        return entries;
    }
};

class GcBoolean final : public GcParameter<SdkGenBoolean> {
public:
    using GcParameter::GcParameter;

    SdkResult GetValue(bool& value) const override
    {
        return ArvCall([&](GError** error) { value = arv_gc_boolean_get_value(Node(), error); });
    }
    SdkResult SetValue(bool value) override
    {
        return Change([&](GError** error) { arv_gc_boolean_set_value(Node(), value, error); });
    }

private:
    ArvGcBoolean* Node() const { return ARV_GC_BOOLEAN(node_); }
};

class GcString final : public GcParameter<SdkGenString> {
public:
    using GcParameter::GcParameter;

    SdkResult GetValue(std::string& value) const override
    {
        const char* text = nullptr;
        SdkResult result = ArvCall([&](GError** error) { text = arv_gc_string_get_value(Node(), error); });
        if (result.IsOK())
            value = text != nullptr ? text : "";
        return result;
    }
    SdkResult SetValue(const std::string& value) override
    {
        return Change([&](GError** error) { arv_gc_string_set_value(Node(), value.c_str(), error); });
    }

private:
    ArvGcString* Node() const { return ARV_GC_STRING(node_); }
};

class GcCommand final : public GcParameter<SdkGenCommand> {
public:
    using GcParameter::GcParameter;

    bool IsReadable() const override { return false; }
    SdkResult Execute() override
    {
        return ArvCall([&](GError** error) { arv_gc_command_execute(ARV_GC_COMMAND(node_), error); });
    }
};

std::unique_ptr<SdkGenParameter> MakeParameter(ArvGcFeatureNode* node)
{
    // An enumeration is also an integer and a string, and many nodes are
    // also registers: the order of the tests decides the kind.
    if (ARV_IS_GC_COMMAND(node))
        return std::make_unique<GcCommand>(node);
    if (ARV_IS_GC_ENUMERATION(node))
        return std::make_unique<GcEnum>(node);
    if (ARV_IS_GC_BOOLEAN(node))
        return std::make_unique<GcBoolean>(node);
    if (ARV_IS_GC_FLOAT(node))
        return std::make_unique<GcFloat>(node);
    if (ARV_IS_GC_INTEGER(node))
        return std::make_unique<GcInteger>(node);
    if (ARV_IS_GC_STRING(node))
        return std::make_unique<GcString>(node);
    return nullptr;
}

void AddChildren(ArvDomNode* parent, SdkGenParameterArray& parameters)
{
    for (ArvDomNode* child = arv_dom_node_get_first_child(parent); child != nullptr;
         child = arv_dom_node_get_next_sibling(child)) {
        if (ARV_IS_GC_FEATURE_NODE(child) && !ARV_IS_GC_ENUM_ENTRY(child)) {
            ArvGcFeatureNode* node = ARV_GC_FEATURE_NODE(child);
            const char* name = arv_gc_feature_node_get_name(node);
            if (name != nullptr && !std::string_view(name).starts_with(kAravisPrivatePrefix))
                parameters.Add(MakeParameter(node));
        }
        // Entries of an enumeration are not features of their own; groups
        // and struct registers hold features.
        if (!ARV_IS_GC_ENUMERATION(child))
            AddChildren(child, parameters);
    }
}

} // namespace

void AddGenICamParameters(ArvGc* genicam, SdkGenParameterArray& parameters)
{
    if (genicam != nullptr)
        AddChildren(ARV_DOM_NODE(genicam), parameters);
}
