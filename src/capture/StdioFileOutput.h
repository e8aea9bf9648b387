#pragma once

#include "capture/CBaseStreamOutput.h"

#include <cstdio>

// Writes into a C file that the caller opened and will close.
class StdioFileOutput : public CBaseStreamOutput {
public:
    explicit StdioFileOutput(FILE* file = nullptr) : file_(file) {}

    // The file is already open: nothing to do.
    int Open(const char* name) override;
    // Forgets the file; closing it stays with its owner.
    void Close() override;
    int Write(const uint8_t* data, size_t length, size_t* written) override;

private:
    FILE* file_;
};
