#pragma once

// Helpers for the AVI writer tests: an independent walk over a file's RIFF
// chunks, FFmpeg's command-line tools as second readers, and test frames.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace avitest {

std::string FourCCText(std::uint32_t code);
std::uint32_t FourCC(const char* text);

struct RiffChunk {
    std::uint64_t offset = 0; // of the chunk's 8-byte header
    std::uint32_t id = 0;
    std::uint32_t size = 0;
    std::uint32_t listType = 0; // for RIFF and LIST
    int part = 0;               // which top-level RIFF it is in
    bool inMovi = false;        // a direct child of a "movi" list
};

// The chunk tree of a file, flattened in file order. `problem` is empty when
// every chunk lies inside its parent and the parts cover the file exactly.
struct RiffWalk {
    std::string problem;
    std::vector<RiffChunk> chunks;
    std::uint64_t fileSize = 0;

    std::vector<RiffChunk> Find(std::uint32_t id, int part = -1) const;
    // The "00dc" chunks of a part's movi list, in order.
    std::vector<RiffChunk> FrameChunks(int part) const;
    int Parts() const;
};

RiffWalk WalkRiff(const std::string& path);
std::vector<std::uint8_t> ReadBytes(const std::string& path, std::uint64_t offset, std::size_t size);
std::uint32_t ReadU32(const std::string& path, std::uint64_t offset);
std::uint64_t ReadU64(const std::string& path, std::uint64_t offset);

// ffprobe's view of the first video stream with packets counted:
// codec_name, codec_tag_string, width, height, pix_fmt, nb_read_packets, ...
std::map<std::string, std::string> Probe(const std::string& path);
// Decodes every frame with ffmpeg, from `startSeconds` on; gives its error
// output, empty when clean.
std::string DecodeErrors(const std::string& path, double startSeconds = 0.0);
// Decodes every stored frame, once each, to raw pixels of the given FFmpeg
// pixel format.
std::vector<std::uint8_t> DecodeRaw(const std::string& path, const std::string& pixelFormat);

// The MD5 of every decoded frame as ffmpeg's framemd5 gives it, in the given
// pixel format, in order.
std::vector<std::string> FrameMd5(const std::string& path, const std::string& pixelFormat);

// libavformat's index of the first stream (built from the file's own indexes)
// and the packets a sequential read returns, as (file position, size) pairs.
struct IndexComparison {
    std::vector<std::pair<std::int64_t, int>> index;
    std::vector<std::pair<std::int64_t, int>> packets;
    std::string error;
};
IndexComparison IndexAndPackets(const std::string& path);

// A frame of packed rows with a pattern that moves with `seed`.
std::vector<std::uint8_t> MakeFrame(int width, int height, int bytesPerPixel, int seed);
// Random bytes: frames that compress badly, for large files.
std::vector<std::uint8_t> MakeNoiseFrame(int width, int height, int bytesPerPixel, unsigned seed);

} // namespace avitest
