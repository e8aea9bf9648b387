#include "camerasettings/ScopedParamsUnlock.h"

#include "camera/FeatureAccess.h"

namespace {

const char* const kLockFeature = "TLParamsLocked";

} // namespace

ScopedParamsUnlock::ScopedParamsUnlock(SdkGenParameterArray* features) : features_(features)
{
    int32_t locked = 0;
    if (ReadFeatureValue(features_, kLockFeature, locked) && locked == 1)
        relock_ = WriteFeatureValue(features_, kLockFeature, 0);
}

ScopedParamsUnlock::~ScopedParamsUnlock()
{
    if (relock_)
        WriteFeatureValue(features_, kLockFeature, 1);
}
