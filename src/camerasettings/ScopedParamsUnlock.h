#pragma once

class SdkGenParameterArray;

// Releases the camera's transport-layer lock (TLParamsLocked, set while a
// continuous acquisition runs) for the scope's lifetime when it is set, so
// that the timer features can be written while the camera streams, and sets
// it again at the end. Does nothing when the lock is clear or missing.
class ScopedParamsUnlock {
public:
    explicit ScopedParamsUnlock(SdkGenParameterArray* features);
    ~ScopedParamsUnlock();
    ScopedParamsUnlock(const ScopedParamsUnlock&) = delete;
    ScopedParamsUnlock& operator=(const ScopedParamsUnlock&) = delete;

private:
    SdkGenParameterArray* features_;
    bool relock_ = false;
};
