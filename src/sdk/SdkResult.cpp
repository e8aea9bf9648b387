#include "sdk/SdkResult.h"

namespace {

struct ResultRow {
    int code;
    const char* name;
    const char* text;
};

// Searched in order; the row with code -1 ends the table.
constexpr ResultRow kResultTable[] = {
    {1, "ABORTED", "Aborted"},
    {2, "AUTO_ABORTED", "Auto Aborted"},
    {3, "BUFFER_TOO_SMALL", "Buffer too Small"},
    {4, "CANCEL", "Canceled"},
    {5, "CANNOT_OPEN_FILE", "Can not Open File"},
    {6, "ERR_OVERFLOW", "Error OverFlow"},
    {7, "FILE_ERROR", "File Error"},
    {8, "GENERIC_ERROR", "Generic Error"},
    {9, "GENICAM_XML_ERROR", "Genicam Xml Error"},
    {10, "IMAGE_ERROR", "Image Error"},
    {11, "INVALID_DATA_FORMAT", "Invalid Data Format"},
    {12, "INVALID_PARAMETER", "Invalid Parameter"},
    {13, "MISSING_PACKETS", "Missing Packets"},
    {14, "NO_DRIVER", "No Driver"},
    {16, "NOT_CONNECTED", "Not Connected"},
    {17, "NOT_ENOUGH_MEMORY", "Not Enough Memory"},
    {18, "NOT_FOUND", "Not Found"},
    {19, "NOT_IMPLEMENTED", "Not implemented"},
    {20, "NOT_INITIALIZED", "Not initialized"},
    {21, "NOT_SUPPORTED", "Not Supported"},
    {22, "OK", "OK"},
    {23, "PENDING", "Pending"},
    {24, "RESENDS_FAILURE", "Resends Failure"},
    {25, "STATE_ERROR", "State Error"},
    {26, "TIMEOUT", "Timeout"},
    {27, "TOO_MANY_CONSECUTIVE_RESENDS", "Too Many Consecutive Resends"},
    {28, "TOO_MANY_RESENDS", "Too Many Resends"},
    {-1, nullptr, nullptr},
};

} // namespace

const char* ResultText(uint32_t code)
{
    for (const ResultRow* row = kResultTable; row->code != -1; ++row) {
        if (static_cast<uint32_t>(row->code) == code)
            return row->text;
    }
    return "Unknown Error Code!!!";
}

SdkResult::SdkResult(uint32_t code) : code_(code), text_(ResultText(code)) {}
