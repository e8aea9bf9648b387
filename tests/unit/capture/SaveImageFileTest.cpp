#include "capture/SaveImageFile.h"

#include "ImageReaders.h"
#include "TempDir.h"
#include "TestScenes.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

// A small tmpfs on `folder`, mounted in the mount namespace of a child
// process of its own (so that nothing outside the test sees it) and reached
// through the child's /proc root. Needs root; Mounted() says whether it
// worked.
class SmallTmpfs {
public:
    SmallTmpfs(const std::filesystem::path& folder, const char* options) : folder_(folder)
    {
        int ready[2];
        int hold[2];
        if (::pipe(ready) != 0 || ::pipe(hold) != 0)
            return;
        const std::string mountPoint = folder.string();
        child_ = ::fork();
        if (child_ == 0) {
            // Only system calls from here on: the parent may have threads.
            ::close(ready[0]);
            ::close(hold[1]);
            char ok = ::unshare(CLONE_NEWNS) == 0 && ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                      ::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, options) == 0;
            (void)!::write(ready[1], &ok, 1);
            char until = 0;
            (void)!::read(hold[0], &until, 1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(hold[0]);
        hold_ = hold[1];
        char ok = 0;
        mounted_ = child_ > 0 && ::read(ready[0], &ok, 1) == 1 && ok == 1;
        ::close(ready[0]);
    }
    ~SmallTmpfs()
    {
        if (hold_ >= 0)
            ::close(hold_);
        if (child_ > 0)
            ::waitpid(child_, nullptr, 0);
    }
    bool Mounted() const { return mounted_; }
    std::string File(const std::string& name) const
    {
        return "/proc/" + std::to_string(child_) + "/root" + (folder_ / name).string();
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(File("")))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path folder_;
    pid_t child_ = -1;
    int hold_ = -1;
    bool mounted_ = false;
};

bool Save(const TestImage& image, const std::string& path, int format = 0)
{
    if (format == 0)
        format = image.channels == 1 ? STILL_IMAGE_GREY8 : STILL_IMAGE_BGR24;
    return SaveImageFile(static_cast<uint32_t>(image.width), static_cast<uint32_t>(image.height), format,
                         image.pixels.data(), path);
}

uint32_t Little16(const std::vector<uint8_t>& bytes, size_t at)
{
    return bytes[at] | bytes[at + 1] << 8;
}

uint32_t Little32(const std::vector<uint8_t>& bytes, size_t at)
{
    return Little16(bytes, at) | Little16(bytes, at + 2) << 16;
}

bool StartsWith(const std::vector<uint8_t>& bytes, const std::vector<uint8_t>& prefix)
{
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

// One TIFF directory entry: tag, type, count, value.
struct TiffEntry {
    uint32_t tag, type, count, value;
};

TiffEntry EntryAt(const std::vector<uint8_t>& bytes, size_t at)
{
    const uint32_t type = Little16(bytes, at + 2);
    const uint32_t count = Little32(bytes, at + 4);
    const uint32_t value = type == 3 && count == 1 ? Little16(bytes, at + 8) : Little32(bytes, at + 8);
    return {Little16(bytes, at), type, count, value};
}

void ExpectTiffinfoAccepts(const std::string& path)
{
    const ToolResult info = RunTool("tiffinfo", {path});
    EXPECT_EQ(info.exitCode, 0) << info.output;
    EXPECT_EQ(info.output.find("rror"), std::string::npos) << info.output;
    EXPECT_EQ(info.output.find("arning"), std::string::npos) << info.output;
}

} // namespace

TEST(SaveImageFile, TheExtensionPicksTheFormat)
{
    TempDir dir;
    const TestImage colour = MakeScene(40, 30, 3);
    const std::vector<uint8_t> tiff = {'I', 'I', 42, 0}, jpeg = {0xFF, 0xD8, 0xFF, 0xE0};
    const std::pair<const char*, std::vector<uint8_t>> cases[] = {
        {"a.TIFF", tiff},
        {"b.tif", tiff},
        {"c.Tif", tiff},
        {"d.jpeg", jpeg},
        {"e.JPG", jpeg},
        {"f.bmp", {'B', 'M'}},
        {"g.Png", {0x89, 'P', 'N', 'G'}},
    };
    for (const auto& [name, magic] : cases) {
        EXPECT_TRUE(Save(colour, dir.file(name))) << name;
        EXPECT_TRUE(StartsWith(ReadFileBytes(dir.file(name)), magic)) << name;
    }

    // Unknown, missing or abbreviated extensions write nothing.
    for (const char* name : {"h.gif", "noextension", "dot.", "i.tiff2", "j.jp", "k.b"}) {
        errno = 0;
        EXPECT_FALSE(Save(colour, dir.file(name))) << name;
        EXPECT_EQ(errno, EINVAL) << name;
        EXPECT_FALSE(std::filesystem::exists(dir.file(name))) << name;
    }

    const TestImage grey = MakeScene(13, 7, 1);
    ASSERT_TRUE(Save(grey, dir.file("l.RAW")));
    EXPECT_EQ(ReadFileBytes(dir.file("l.RAW")), grey.pixels);
}

TEST(SaveImageFile, GreyJpegIsCutToAMultipleOf16Columns)
{
    TempDir dir;
    struct Case {
        int width, channels, expectedWidth;
    };
    for (const Case& c : {Case{1000, 1, 992}, Case{1024, 1, 1024}, Case{1000, 3, 1000}}) {
        SCOPED_TRACE(c.width);
        const TestImage scene = MakeScene(c.width, 40, c.channels, 9);
        const std::string path = dir.file("cut.jpg");
        ASSERT_TRUE(Save(scene, path));
        const std::optional<ProbeInfo> probe = ProbeWithFfprobe(path);
        ASSERT_TRUE(probe);
        EXPECT_EQ(probe->width, c.expectedWidth);
        EXPECT_EQ(probe->height, 40);
        const TestImage expected = CropWidth(c.channels == 3 ? SwapRedBlue(scene) : scene, c.expectedWidth);
        const std::optional<TestImage> djpeg = DecodeWithDjpeg(path);
        const std::optional<TestImage> ffmpeg = DecodeImageWithFfmpeg(path, c.channels == 1);
        ASSERT_TRUE(djpeg && ffmpeg);
        EXPECT_GE(Psnr(*djpeg, expected), 40.0);
        EXPECT_GE(Psnr(*ffmpeg, expected), 40.0);
    }

    // Narrower than 16 leaves nothing to encode.
    errno = 0;
    EXPECT_FALSE(Save(MakeScene(15, 8, 1), dir.file("narrow.jpg")));
    EXPECT_EQ(errno, EINVAL);
    EXPECT_FALSE(std::filesystem::exists(dir.file("narrow.jpg")));
}

TEST(SaveImageFile, ColourBmpRowsArePaddedToFourBytes)
{
    TempDir dir;
    const TestImage image = MakeScene(3, 5, 3, 4);
    const std::string path = dir.file("narrow.bmp");
    ASSERT_TRUE(Save(image, path));
    const std::vector<uint8_t> bytes = ReadFileBytes(path);
    ASSERT_EQ(bytes.size(), 54u + 12 * 5);
    EXPECT_EQ(Little32(bytes, 2), bytes.size());
    EXPECT_EQ(Little32(bytes, 10), 54u);
    EXPECT_EQ(Little32(bytes, 14), 40u);
    EXPECT_EQ(Little32(bytes, 18), 3u);
    EXPECT_EQ(Little32(bytes, 22), 5u);
    EXPECT_EQ(Little16(bytes, 28), 24u);
    EXPECT_EQ(Little32(bytes, 34), 60u);
    EXPECT_EQ(Little32(bytes, 46), 0u);
    // Bottom row first, blue-green-red kept, three zero pad bytes.
    for (int fileRow = 0; fileRow < 5; ++fileRow) {
        const auto row = bytes.begin() + 54 + fileRow * 12;
        const auto source = image.pixels.begin() + (4 - fileRow) * 9;
        EXPECT_TRUE(std::equal(source, source + 9, row)) << fileRow;
        EXPECT_EQ(std::vector<uint8_t>(row + 9, row + 12), std::vector<uint8_t>(3, 0)) << fileRow;
    }
    const std::optional<TestImage> back = ReadWithImageMagick(path, 3);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->pixels, SwapRedBlue(image).pixels);
}

TEST(SaveImageFile, GreyBmpCarriesTheFullGreyPalette)
{
    TempDir dir;
    const TestImage image = MakeScene(5, 3, 1, 6);
    const std::string path = dir.file("grey.bmp");
    ASSERT_TRUE(Save(image, path));
    const std::vector<uint8_t> bytes = ReadFileBytes(path);
    ASSERT_EQ(bytes.size(), 1078u + 8 * 3);
    EXPECT_EQ(Little32(bytes, 10), 1078u);
    EXPECT_EQ(Little16(bytes, 28), 8u);
    EXPECT_EQ(Little32(bytes, 46), 256u);
    EXPECT_EQ(Little32(bytes, 50), 256u);
    for (uint32_t i = 0; i < 256; ++i)
        ASSERT_EQ(Little32(bytes, 54 + 4 * i), i | i << 8 | i << 16) << i;
    const std::optional<TestImage> back = ReadWithImageMagick(path, 1);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->pixels, image.pixels);
}

TEST(SaveImageFile, TiffLayoutIsExactAndReadsBack)
{
    TempDir dir;
    const TestImage grey = MakeScene(7, 5, 1, 8);
    const std::string greyPath = dir.file("grey.tif");
    ASSERT_TRUE(Save(grey, greyPath));
    std::vector<uint8_t> bytes = ReadFileBytes(greyPath);
    ASSERT_EQ(bytes.size(), 162u + 35);
    EXPECT_EQ(Little32(bytes, 4), 8u);
    EXPECT_EQ(Little16(bytes, 8), 11u);
    const TiffEntry greyEntries[] = {{256, 3, 1, 7},   {257, 3, 1, 5},   {258, 3, 1, 8}, {259, 3, 1, 1},
                                     {262, 3, 1, 1},   {273, 4, 1, 162}, {278, 3, 1, 5}, {279, 4, 1, 35},
                                     {282, 5, 1, 146}, {283, 5, 1, 154}, {296, 3, 1, 2}};
    for (size_t i = 0; i < std::size(greyEntries); ++i) {
        const TiffEntry entry = EntryAt(bytes, 10 + 12 * i);
        EXPECT_EQ(entry.tag, greyEntries[i].tag);
        EXPECT_EQ(entry.type, greyEntries[i].type) << entry.tag;
        EXPECT_EQ(entry.count, greyEntries[i].count) << entry.tag;
        EXPECT_EQ(entry.value, greyEntries[i].value) << entry.tag;
    }
    EXPECT_EQ(Little32(bytes, 142), 0u);
    EXPECT_EQ(Little32(bytes, 146), 720000u);
    EXPECT_EQ(Little32(bytes, 150), 10000u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 162, bytes.end()), grey.pixels);
    ExpectTiffinfoAccepts(greyPath);
    const std::optional<TestImage> greyBack = ReadWithImageMagick(greyPath, 1);
    ASSERT_TRUE(greyBack);
    EXPECT_EQ(greyBack->pixels, grey.pixels);

    const TestImage colour = MakeScene(7, 5, 3, 8);
    const std::string colourPath = dir.file("colour.tiff");
    ASSERT_TRUE(Save(colour, colourPath));
    bytes = ReadFileBytes(colourPath);
    ASSERT_EQ(bytes.size(), 180u + 105);
    EXPECT_EQ(Little16(bytes, 8), 12u);
    const TiffEntry colourEntries[] = {{256, 3, 1, 7},   {257, 3, 1, 5},   {258, 3, 3, 174}, {259, 3, 1, 1},
                                       {262, 3, 1, 2},   {273, 4, 1, 180}, {277, 3, 1, 3},   {278, 3, 1, 5},
                                       {279, 4, 1, 105}, {282, 5, 1, 158}, {283, 5, 1, 166}, {296, 3, 1, 2}};
    for (size_t i = 0; i < std::size(colourEntries); ++i) {
        const TiffEntry entry = EntryAt(bytes, 10 + 12 * i);
        EXPECT_EQ(entry.tag, colourEntries[i].tag);
        EXPECT_EQ(entry.value, colourEntries[i].value) << entry.tag;
        EXPECT_EQ(entry.count, colourEntries[i].count) << entry.tag;
    }
    EXPECT_EQ(Little32(bytes, 154), 0u);
    EXPECT_EQ(Little32(bytes, 166), 720000u);
    EXPECT_EQ(Little16(bytes, 174), 8u);
    EXPECT_EQ(Little16(bytes, 176), 8u);
    EXPECT_EQ(Little16(bytes, 178), 8u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 180, bytes.end()), SwapRedBlue(colour).pixels);
    ExpectTiffinfoAccepts(colourPath);
    const std::optional<TestImage> colourBack = ReadWithImageMagick(colourPath, 3);
    ASSERT_TRUE(colourBack);
    EXPECT_EQ(colourBack->pixels, SwapRedBlue(colour).pixels);
}

TEST(SaveImageFile, PngIsInterlacedAndReadsBack)
{
    TempDir dir;
    for (int channels : {1, 3}) {
        SCOPED_TRACE(channels);
        const TestImage image = MakeScene(33, 17, channels, 10);
        const std::string path = dir.file(channels == 1 ? "grey.png" : "colour.png");
        ASSERT_TRUE(Save(image, path));
        const ToolResult check = RunTool("pngcheck", {"-v", path});
        EXPECT_EQ(check.exitCode, 0) << check.output;
        EXPECT_NE(check.output.find("interlaced"), std::string::npos) << check.output;
        EXPECT_EQ(check.output.find("non-interlaced"), std::string::npos) << check.output;
        const std::optional<TestImage> back = ReadPngWithLibpng(path);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->channels, channels);
        EXPECT_EQ(back->pixels, channels == 3 ? SwapRedBlue(image).pixels : image.pixels);
    }
}

TEST(SaveImageFile, RefusedImagesLeaveNoFileAndExistingFilesAlone)
{
    TempDir dir;
    const TestImage colour = MakeScene(16, 8, 3);
    errno = 0;
    EXPECT_FALSE(Save(colour, dir.file("colour.raw")));
    EXPECT_EQ(errno, EINVAL);
    EXPECT_FALSE(std::filesystem::exists(dir.file("colour.raw")));

    const std::vector<uint8_t> old = {'o', 'l', 'd'};
    WriteFileBytes(dir.file("keep.raw"), old);
    EXPECT_FALSE(Save(colour, dir.file("keep.raw")));
    EXPECT_EQ(ReadFileBytes(dir.file("keep.raw")), old);

    for (const char* name : {"bad.raw", "bad.bmp", "bad.tif", "bad.jpg", "bad.png"}) {
        errno = 0;
        EXPECT_FALSE(Save(colour, dir.file(name), 2)) << name;
        EXPECT_EQ(errno, EINVAL) << name;
        EXPECT_FALSE(std::filesystem::exists(dir.file(name))) << name;
    }
    EXPECT_FALSE(SaveImageFile(16, 8, STILL_IMAGE_GREY8, nullptr, dir.file("null.bmp")));
    EXPECT_FALSE(SaveImageFile(0, 8, STILL_IMAGE_GREY8, colour.pixels.data(), dir.file("empty.bmp")));
    EXPECT_FALSE(SaveImageFile(70000, 1, STILL_IMAGE_GREY8, colour.pixels.data(), dir.file("wide.tif")));
    const std::vector<uint8_t> line(1000001, 0);
    EXPECT_FALSE(SaveImageFile(1000001, 1, STILL_IMAGE_GREY8, line.data(), dir.file("wide.png")));
    for (const char* name : {"null.bmp", "empty.bmp", "wide.tif", "wide.png"})
        EXPECT_FALSE(std::filesystem::exists(dir.file(name))) << name;
}

// Every format in a folder that fills up: the save fails with the system's
// own reason, leaves no partial or temporary file, and an earlier file of the
// same name stays as it was. A device is written in place and fails too.
TEST(SaveImageFile, AFullDiskLeavesNoFileAndSaysSo)
{
    TempDir dir;
    const TestImage grey = MakeScene(64, 32, 1);
    for (const char* name : {"full.raw", "full.bmp", "full.tif", "full.jpg", "full.png"}) {
        std::filesystem::create_symlink("/dev/full", dir.file(name));
        errno = 0;
        EXPECT_FALSE(Save(grey, dir.file(name))) << name;
        EXPECT_EQ(errno, ENOSPC) << name;
        EXPECT_TRUE(std::filesystem::is_symlink(dir.file(name))) << name;
    }

    TempDir mountPoint;
    const SmallTmpfs tmpfs(mountPoint.path(), "size=64k");
    if (!tmpfs.Mounted())
        GTEST_SKIP() << "no tmpfs can be mounted here (needs root)";
    // Noise: larger than the folder holds in every format, compressed ones included.
    const auto noise = [](int channels) {
        TestImage image{400, 300, channels, std::vector<uint8_t>(size_t(400) * 300 * channels)};
        uint32_t state = 12345;
        for (uint8_t& value : image.pixels) {
            state = state * 1664525u + 1013904223u;
            value = static_cast<uint8_t>(state >> 24);
        }
        return image;
    };
    const TestImage colour = noise(3);
    const TestImage bigGrey = noise(1);
    const std::vector<uint8_t> old = {'o', 'l', 'd'};
    WriteFileBytes(tmpfs.File("old.bmp"), old);
    for (const char* name : {"full.raw", "full.bmp", "old.bmp", "full.tif", "full.jpg", "full.png"}) {
        SCOPED_TRACE(name);
        errno = 0;
        EXPECT_FALSE(Save(std::string(name).ends_with(".raw") ? bigGrey : colour, tmpfs.File(name)));
        EXPECT_STREQ(std::strerror(errno), "No space left on device");
        EXPECT_EQ(tmpfs.Names(), std::vector<std::string>{"old.bmp"});
    }
    EXPECT_EQ(ReadFileBytes(tmpfs.File("old.bmp")), old);
}
