// option.ini: the model list of the option board check.
#include "FuzzInput.h"
#include "app/OptionModels.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = WriteInputFile(data, size, ".ini");
    for (const int32_t model : {0, 0x1A2, 0xFFFF, -1})
        IsOptionBoardModel(0, model, path);
    return 0;
}
