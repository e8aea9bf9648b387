#pragma once

// Abstract byte sink of the JPEG encoder.
class CBaseStream {
public:
    virtual ~CBaseStream() = default;
    // Gives 0 on success.
    virtual int Open(const char* name) = 0;
    virtual void Close() = 0;
};
