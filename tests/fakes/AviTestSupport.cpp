#include "AviTestSupport.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/wait.h>

namespace avitest {
namespace {

const std::uint32_t kRiff = FourCC("RIFF");
const std::uint32_t kList = FourCC("LIST");
const std::uint32_t kMovi = FourCC("movi");

std::string Quote(const std::string& text)
{
    return "'" + text + "'";
}

// Runs a shell command and gives its standard output.
std::string Run(const std::string& command, int* status = nullptr)
{
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return output;
    char buffer[65536];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    const int result = pclose(pipe);
    if (status)
        *status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
    return output;
}

class Walker {
public:
    explicit Walker(const std::string& path) : file_(path, std::ios::binary) {}

    RiffWalk Walk()
    {
        file_.seekg(0, std::ios::end);
        walk_.fileSize = static_cast<std::uint64_t>(file_.tellg());
        std::uint64_t offset = 0;
        int part = 0;
        while (offset < walk_.fileSize && walk_.problem.empty()) {
            RiffChunk chunk = Header(offset, part);
            if (chunk.id != kRiff) {
                walk_.problem = "no RIFF at " + std::to_string(offset);
                break;
            }
            const std::uint64_t end = offset + 8 + chunk.size;
            if (end > walk_.fileSize) {
                walk_.problem = "RIFF part " + std::to_string(part) + " passes the end of the file";
                break;
            }
            walk_.chunks.push_back(chunk);
            Children(offset + 12, end, part, false);
            offset = end;
            ++part;
        }
        return walk_;
    }

private:
    RiffChunk Header(std::uint64_t offset, int part)
    {
        RiffChunk chunk;
        chunk.offset = offset;
        chunk.part = part;
        std::uint8_t bytes[12] = {};
        file_.clear();
        file_.seekg(static_cast<std::streamoff>(offset));
        file_.read(reinterpret_cast<char*>(bytes), sizeof bytes);
        auto le = [&](int at) {
            return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 | std::uint32_t(bytes[at + 2]) << 16 |
                   std::uint32_t(bytes[at + 3]) << 24;
        };
        chunk.id = le(0);
        chunk.size = le(4);
        if (chunk.id == kRiff || chunk.id == kList)
            chunk.listType = le(8);
        return chunk;
    }

    void Children(std::uint64_t offset, std::uint64_t end, int part, bool inMovi)
    {
        while (offset < end && walk_.problem.empty()) {
            if (end - offset < 8) {
                walk_.problem = "stray bytes at " + std::to_string(offset);
                return;
            }
            RiffChunk chunk = Header(offset, part);
            chunk.inMovi = inMovi;
            const std::uint64_t next = offset + 8 + chunk.size + (chunk.size & 1);
            if (offset + 8 + chunk.size > end) {
                walk_.problem = FourCCText(chunk.id) + " at " + std::to_string(offset) + " passes its parent";
                return;
            }
            walk_.chunks.push_back(chunk);
            if (chunk.id == kList)
                Children(offset + 12, offset + 8 + chunk.size, part, chunk.listType == kMovi);
            offset = next;
        }
    }

    std::ifstream file_;
    RiffWalk walk_;
};

} // namespace

std::string FourCCText(std::uint32_t code)
{
    std::string text(4, ' ');
    for (int i = 0; i < 4; ++i)
        text[i] = static_cast<char>(code >> (8 * i));
    return text;
}

std::uint32_t FourCC(const char* text)
{
    return std::uint32_t(std::uint8_t(text[0])) | std::uint32_t(std::uint8_t(text[1])) << 8 |
           std::uint32_t(std::uint8_t(text[2])) << 16 | std::uint32_t(std::uint8_t(text[3])) << 24;
}

std::vector<RiffChunk> RiffWalk::Find(std::uint32_t id, int part) const
{
    std::vector<RiffChunk> found;
    for (const RiffChunk& chunk : chunks) {
        if (chunk.id == id && (part < 0 || chunk.part == part))
            found.push_back(chunk);
    }
    return found;
}

std::vector<RiffChunk> RiffWalk::FrameChunks(int part) const
{
    std::vector<RiffChunk> found;
    for (const RiffChunk& chunk : chunks) {
        if (chunk.inMovi && chunk.part == part && chunk.id == FourCC("00dc"))
            found.push_back(chunk);
    }
    return found;
}

int RiffWalk::Parts() const
{
    return static_cast<int>(Find(kRiff).size());
}

RiffWalk WalkRiff(const std::string& path)
{
    return Walker(path).Walk();
}

std::vector<std::uint8_t> ReadBytes(const std::string& path, std::uint64_t offset, std::size_t size)
{
    std::vector<std::uint8_t> bytes(size);
    std::ifstream file(path, std::ios::binary);
    file.seekg(static_cast<std::streamoff>(offset));
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}

std::uint32_t ReadU32(const std::string& path, std::uint64_t offset)
{
    const auto b = ReadBytes(path, offset, 4);
    if (b.size() < 4)
        return 0;
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
}

std::uint64_t ReadU64(const std::string& path, std::uint64_t offset)
{
    return std::uint64_t(ReadU32(path, offset)) | std::uint64_t(ReadU32(path, offset + 4)) << 32;
}

std::map<std::string, std::string> Probe(const std::string& path)
{
    const std::string output = Run("ffprobe -v error -select_streams v:0 -count_packets -show_entries "
                                   "stream=codec_name,codec_tag_string,width,height,pix_fmt,nb_read_packets,"
                                   "nb_frames,r_frame_rate,bits_per_raw_sample "
                                   "-of default=noprint_wrappers=1 " +
                                   Quote(path));
    std::map<std::string, std::string> values;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        const auto equals = line.find('=');
        if (equals != std::string::npos)
            values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return values;
}

std::string DecodeErrors(const std::string& path, double startSeconds)
{
    int status = 0;
    std::string errors =
        Run("ffmpeg -nostdin -v error -ss " + std::to_string(startSeconds) + " -i " + Quote(path) + " -f null - 2>&1",
            &status);
    if (status != 0)
        errors += "ffmpeg exit status " + std::to_string(status);
    return errors;
}

std::vector<std::uint8_t> DecodeRaw(const std::string& path, const std::string& pixelFormat)
{
    const std::string output = Run("ffmpeg -nostdin -v error -i " + Quote(path) +
                                   " -fps_mode passthrough -f rawvideo -pix_fmt " + pixelFormat + " -");
    return {output.begin(), output.end()};
}

std::vector<std::string> FrameMd5(const std::string& path, const std::string& pixelFormat)
{
    const std::string output = Run("ffmpeg -nostdin -v error -i " + Quote(path) + " -fps_mode passthrough -pix_fmt " +
                                   pixelFormat + " -f framemd5 -");
    std::vector<std::string> hashes;
    size_t start = 0;
    while (start < output.size()) {
        size_t end = output.find('\n', start);
        if (end == std::string::npos)
            end = output.size();
        const std::string line = output.substr(start, end - start);
        if (!line.empty() && line[0] != '#')
            hashes.push_back(line.substr(line.rfind(' ') + 1));
        start = end + 1;
    }
    return hashes;
}

IndexComparison IndexAndPackets(const std::string& path)
{
    IndexComparison result;
    AVFormatContext* context = nullptr;
    if (avformat_open_input(&context, path.c_str(), nullptr, nullptr) < 0) {
        result.error = "cannot open";
        return result;
    }
    AVStream* stream = context->streams[0];
    const int entries = avformat_index_get_entries_count(stream);
    for (int i = 0; i < entries; ++i) {
        const AVIndexEntry* entry = avformat_index_get_entry(stream, i);
        result.index.emplace_back(entry->pos, entry->size);
    }
    AVPacket* packet = av_packet_alloc();
    while (av_read_frame(context, packet) >= 0) {
        result.packets.emplace_back(packet->pos, packet->size);
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    avformat_close_input(&context);
    return result;
}

std::vector<std::uint8_t> MakeFrame(int width, int height, int bytesPerPixel, int seed)
{
    std::vector<std::uint8_t> frame(std::size_t(width) * height * bytesPerPixel);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < bytesPerPixel; ++c) {
                const int value = (x * (c + 1) * 3 + y * 2 + seed * 7 + ((x / 8 + y / 8 + seed) % 2) * 40) & 0xFF;
                frame[(std::size_t(y) * width + x) * bytesPerPixel + c] = static_cast<std::uint8_t>(value);
            }
        }
    }
    return frame;
}

std::vector<std::uint8_t> MakeNoiseFrame(int width, int height, int bytesPerPixel, unsigned seed)
{
    std::vector<std::uint8_t> frame(std::size_t(width) * height * bytesPerPixel);
    std::mt19937 random(seed);
    for (std::size_t i = 0; i + 4 <= frame.size(); i += 4) {
        const std::uint32_t value = random();
        frame[i] = std::uint8_t(value);
        frame[i + 1] = std::uint8_t(value >> 8);
        frame[i + 2] = std::uint8_t(value >> 16);
        frame[i + 3] = std::uint8_t(value >> 24);
    }
    return frame;
}

} // namespace avitest
