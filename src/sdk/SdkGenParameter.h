#pragma once

#include "sdk/SdkResult.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Camera features as the program sees them: six typed kinds, each with a
// name, a visibility and change notification. Typed access goes through the
// subclasses (dynamic_cast from SdkGenParameter); every accessor reports a
// result and never throws. The classes are abstract so that the GenICam
// backed parameters, the link parameters and test fakes share one interface.

enum SdkGenType : int {
    SDK_GEN_INTEGER = 0,
    SDK_GEN_ENUM = 1,
    SDK_GEN_BOOLEAN = 2,
    SDK_GEN_STRING = 3,
    SDK_GEN_COMMAND = 4,
    SDK_GEN_FLOAT = 5,
};

enum SdkVisibility : int {
    SDK_VISIBILITY_BEGINNER = 0,
    SDK_VISIBILITY_EXPERT = 1,
    SDK_VISIBILITY_GURU = 2,
    SDK_VISIBILITY_INVISIBLE = 3,
};

class SdkGenParameter;

// Receives one notification per change of a parameter it is registered on.
class SdkGenEventSink {
public:
    virtual ~SdkGenEventSink() = default;
    virtual void OnParameterUpdate(SdkGenParameter* parameter) = 0;
};

class SdkGenParameter {
public:
    virtual ~SdkGenParameter() = default;
    SdkGenParameter(const SdkGenParameter&) = delete;
    SdkGenParameter& operator=(const SdkGenParameter&) = delete;

    virtual SdkGenType GetType() const = 0;
    const std::string& GetName() const { return name_; }
    SdkVisibility GetVisibility() const { return visibility_; }
    // True when the parameter is shown at the given level: beginner is shown
    // at every level, guru only at guru, invisible never.
    bool IsVisible(SdkVisibility level) const
    {
        return visibility_ != SDK_VISIBILITY_INVISIBLE && visibility_ <= level;
    }
    virtual bool IsReadable() const { return true; }
    virtual bool IsWritable() const { return true; }

    SdkResult RegisterEventSink(SdkGenEventSink* sink);
    SdkResult UnregisterEventSink(SdkGenEventSink* sink);

protected:
    SdkGenParameter(std::string name, SdkVisibility visibility);
    // Called by subclasses after a successful change.
    void NotifySinks();

private:
    std::string name_;
    SdkVisibility visibility_;
    std::vector<SdkGenEventSink*> sinks_;
};

class SdkGenInteger : public SdkGenParameter {
public:
    SdkGenType GetType() const override { return SDK_GEN_INTEGER; }
    virtual SdkResult GetValue(int64_t& value) const = 0;
    virtual SdkResult SetValue(int64_t value) = 0;
    virtual SdkResult GetMin(int64_t& value) const = 0;
    virtual SdkResult GetMax(int64_t& value) const = 0;
    virtual SdkResult GetIncrement(int64_t& value) const = 0;

protected:
    using SdkGenParameter::SdkGenParameter;
};

class SdkGenFloat : public SdkGenParameter {
public:
    SdkGenType GetType() const override { return SDK_GEN_FLOAT; }
    virtual SdkResult GetValue(double& value) const = 0;
    virtual SdkResult SetValue(double value) = 0;
    virtual SdkResult GetMin(double& value) const = 0;
    virtual SdkResult GetMax(double& value) const = 0;

protected:
    using SdkGenParameter::SdkGenParameter;
};

class SdkGenEnumEntry {
public:
    SdkGenEnumEntry() = default;
    SdkGenEnumEntry(std::string name, int64_t value, bool available)
        : name_(std::move(name)),
          value_(value),
          available_(available)
    {
    }

    const std::string& GetName() const { return name_; }
    int64_t GetValue() const { return value_; }
    bool IsAvailable() const { return available_; }

private:
    std::string name_;
    int64_t value_ = 0;
    bool available_ = false;
};

class SdkGenEnum : public SdkGenParameter {
public:
    SdkGenType GetType() const override { return SDK_GEN_ENUM; }
    virtual SdkResult GetValue(int64_t& value) const = 0;
    // Name of the current entry.
    virtual SdkResult GetValue(std::string& entryName) const = 0;
    virtual SdkResult SetValue(int64_t value) = 0;
    virtual SdkResult SetValue(const std::string& entryName) = 0;
    virtual SdkResult GetEntriesCount(uint32_t& count) const = 0;
    virtual SdkResult GetEntryByIndex(uint32_t index, SdkGenEnumEntry& entry) const = 0;

protected:
    using SdkGenParameter::SdkGenParameter;
};

class SdkGenBoolean : public SdkGenParameter {
public:
    SdkGenType GetType() const override { return SDK_GEN_BOOLEAN; }
    virtual SdkResult GetValue(bool& value) const = 0;
    virtual SdkResult SetValue(bool value) = 0;

protected:
    using SdkGenParameter::SdkGenParameter;
};

class SdkGenString : public SdkGenParameter {
public:
    SdkGenType GetType() const override { return SDK_GEN_STRING; }
    virtual SdkResult GetValue(std::string& value) const = 0;
    virtual SdkResult SetValue(const std::string& value) = 0;

protected:
    using SdkGenParameter::SdkGenParameter;
};

class SdkGenCommand : public SdkGenParameter {
public:
    SdkGenType GetType() const override { return SDK_GEN_COMMAND; }
    bool IsReadable() const override { return false; }
    virtual SdkResult Execute() = 0;

protected:
    using SdkGenParameter::SdkGenParameter;
};

// An owning, ordered collection of parameters with lookup by name.
class SdkGenParameterArray {
public:
    SdkGenParameterArray() = default;
    SdkGenParameterArray(const SdkGenParameterArray&) = delete;
    SdkGenParameterArray& operator=(const SdkGenParameterArray&) = delete;

    // The parameter with that name, or null.
    SdkGenParameter* Get(const std::string& name) const;
    // The parameter at index (below GetCount()), or null.
    SdkGenParameter* Get(uint32_t index) const;
    uint32_t GetCount() const { return static_cast<uint32_t>(parameters_.size()); }

    // Appends the parameter; one whose name is already present is dropped.
    void Add(std::unique_ptr<SdkGenParameter> parameter);
    void Clear();

private:
    std::vector<std::unique_ptr<SdkGenParameter>> parameters_;
    std::map<std::string, SdkGenParameter*> byName_;
};
