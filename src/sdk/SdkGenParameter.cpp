#include "sdk/SdkGenParameter.h"

#include <algorithm>

SdkGenParameter::SdkGenParameter(std::string name, SdkVisibility visibility)
    : name_(std::move(name)),
      visibility_(visibility)
{
}

SdkResult SdkGenParameter::RegisterEventSink(SdkGenEventSink* sink)
{
    if (sink == nullptr)
        return SdkResult::INVALID_PARAMETER;
    // A sink registered twice still gets one notification per change.
    if (std::find(sinks_.begin(), sinks_.end(), sink) == sinks_.end())
        sinks_.push_back(sink);
    return SdkResult::OK;
}

SdkResult SdkGenParameter::UnregisterEventSink(SdkGenEventSink* sink)
{
    auto found = std::find(sinks_.begin(), sinks_.end(), sink);
    if (found == sinks_.end())
        return SdkResult::NOT_FOUND;
    sinks_.erase(found);
    return SdkResult::OK;
}

void SdkGenParameter::NotifySinks()
{
    // A copy, so that a sink may unregister itself while being notified.
    const std::vector<SdkGenEventSink*> sinks = sinks_;
    for (SdkGenEventSink* sink : sinks)
        sink->OnParameterUpdate(this);
}

SdkGenParameter* SdkGenParameterArray::Get(const std::string& name) const
{
    auto found = byName_.find(name);
    return found != byName_.end() ? found->second : nullptr;
}

SdkGenParameter* SdkGenParameterArray::Get(uint32_t index) const
{
    return index < parameters_.size() ? parameters_[index].get() : nullptr;
}

void SdkGenParameterArray::Add(std::unique_ptr<SdkGenParameter> parameter)
{
    if (parameter == nullptr || byName_.count(parameter->GetName()) != 0)
        return;
    byName_.emplace(parameter->GetName(), parameter.get());
    parameters_.push_back(std::move(parameter));
}

void SdkGenParameterArray::Clear()
{
    byName_.clear();
    parameters_.clear();
}
