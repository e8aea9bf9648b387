#pragma once

#include "capture/AviWriter.h"

// Records into a folder of numbered images, frame_000000.png (or .tif) up,
// the number being the frame's index in the recording: at 8 bits the
// converted image as a snapshot saves it, at 16 bits the camera's samples
// unscaled, a Bayer frame as its raw mosaic (the pattern in the file's
// description). 16 bits need a camera format of more than 8 bits a sample.
class ImageSequenceWriter : public AviWriter {
public:
    explicit ImageSequenceWriter(std::uint32_t compressor);
    ~ImageSequenceWriter() override;

    // The path of image `index` in the folder.
    std::filesystem::path ImagePath(std::uint32_t index) const;

protected:
    std::uint32_t OpenFile() override;
    int WriteFrame(std::uint32_t position, std::int64_t previous) override;
    std::uint32_t CloseFile() override { return kAviOk; }

private:
    bool deep_ = false;
    const char* extension_ = ".png";
};
