#include "sdk/SdkLinkParameters.h"

SdkLinkBoolean::SdkLinkBoolean(std::string name, bool value)
    : SdkGenBoolean(std::move(name), SDK_VISIBILITY_BEGINNER),
      value_(value)
{
}

SdkResult SdkLinkBoolean::GetValue(bool& value) const
{
    value = value_;
    return SdkResult::OK;
}

SdkResult SdkLinkBoolean::SetValue(bool value)
{
    value_ = value;
    NotifySinks();
    return SdkResult::OK;
}

SdkLinkInteger::SdkLinkInteger(std::string name, int64_t value, int64_t min, int64_t max)
    : SdkGenInteger(std::move(name), SDK_VISIBILITY_BEGINNER),
      value_(value),
      min_(min),
      max_(max)
{
}

SdkResult SdkLinkInteger::GetValue(int64_t& value) const
{
    value = value_;
    return SdkResult::OK;
}

SdkResult SdkLinkInteger::SetValue(int64_t value)
{
    if (value < min_ || value > max_)
        return SdkResult::INVALID_PARAMETER;
    value_ = value;
    NotifySinks();
    return SdkResult::OK;
}

SdkResult SdkLinkInteger::GetMin(int64_t& value) const
{
    value = min_;
    return SdkResult::OK;
}

SdkResult SdkLinkInteger::GetMax(int64_t& value) const
{
    value = max_;
    return SdkResult::OK;
}

SdkResult SdkLinkInteger::GetIncrement(int64_t& value) const
{
    value = 1;
    return SdkResult::OK;
}

SdkLinkString::SdkLinkString(std::string name) : SdkGenString(std::move(name), SDK_VISIBILITY_BEGINNER) {}

SdkResult SdkLinkString::GetValue(std::string& value) const
{
    value = value_;
    return SdkResult::OK;
}

SdkResult SdkLinkString::SetValue(const std::string&)
{
    return SdkResult::NOT_SUPPORTED;
}

void SdkLinkString::Assign(const std::string& value)
{
    if (value == value_)
        return;
    value_ = value;
    NotifySinks();
}

void AddLinkParameters(SdkGenParameterArray& link)
{
    link.Add(std::make_unique<SdkLinkBoolean>(kLinkRecoveryEnabled, false));
    link.Add(std::make_unique<SdkLinkBoolean>(kStreamRecoveryEnabled, false));
    link.Add(std::make_unique<SdkLinkBoolean>(kAutoNegotiation, true));
    link.Add(
        std::make_unique<SdkLinkInteger>(kDefaultPacketSize, kDefaultPacketSizeValue, kMinPacketSize, kMaxPacketSize));
    link.Add(std::make_unique<SdkLinkString>(kLinkIPAddress));
}
