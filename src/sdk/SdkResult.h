#pragma once

#include <cstdint>
#include <string>

// Result of a fallible SDK operation: a numbered code with a fixed text.
// Code 22 (OK) is success; the code table and its texts are shared with the
// display window, which reports them to the user.
class SdkResult {
public:
    enum Code : uint32_t {
        ABORTED = 1,
        AUTO_ABORTED = 2,
        BUFFER_TOO_SMALL = 3,
        CANCEL = 4,
        CANNOT_OPEN_FILE = 5,
        ERR_OVERFLOW = 6,
        FILE_ERROR = 7,
        GENERIC_ERROR = 8,
        GENICAM_XML_ERROR = 9,
        IMAGE_ERROR = 10,
        INVALID_DATA_FORMAT = 11,
        INVALID_PARAMETER = 12,
        MISSING_PACKETS = 13,
        NO_DRIVER = 14,
        NOT_CONNECTED = 16,
        NOT_ENOUGH_MEMORY = 17,
        NOT_FOUND = 18,
        NOT_IMPLEMENTED = 19,
        NOT_INITIALIZED = 20,
        NOT_SUPPORTED = 21,
        OK = 22,
        PENDING = 23,
        RESENDS_FAILURE = 24,
        STATE_ERROR = 25,
        TIMEOUT = 26,
        TOO_MANY_CONSECUTIVE_RESENDS = 27,
        TOO_MANY_RESENDS = 28,
    };

    SdkResult(uint32_t code = OK);

    bool IsOK() const { return code_ == OK; }
    uint32_t GetCode() const { return code_; }
    // The code's fixed text, or "Unknown Error Code!!!".
    const std::string& GetText() const { return text_; }

    bool operator==(uint32_t code) const { return code_ == code; }

private:
    uint32_t code_;
    std::string text_;
};

// Text of a result code: searches the code table in order; a code that is not
// in it gives "Unknown Error Code!!!".
const char* ResultText(uint32_t code);
