#include "profile/Profile.h"

// SimpleIni is used header-only, with names and values kept as the file's
// bytes (UTF-8 passes through untouched).
#define SI_IMPLEMENTATION
#define SI_NO_CONVERSION
#include <SimpleIni.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <mutex>
#include <optional>
#include <random>
#include <vector>

namespace {

using Ini = CSimpleIniA;

constexpr int kNewFileMode = 0666; // narrowed by the umask, as any new file
constexpr int kTempNameAttempts = 100;
constexpr int kDoubleDecimals = 6; // "%f"

// What a cached copy was read from; a write by anyone replaces the file
// (new inode), so a changed identity means the cache is stale.
struct FileIdentity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    int64_t mtimeSec = 0;
    int64_t mtimeNsec = 0;
    mode_t mode = 0;

    static FileIdentity Of(const struct stat& st)
    {
        return {true, st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec, st.st_mode};
    }
    bool operator==(const FileIdentity& other) const
    {
        return exists == other.exists && device == other.device && inode == other.inode && size == other.size &&
               mtimeSec == other.mtimeSec && mtimeNsec == other.mtimeNsec;
    }
};

// Serialises read-modify-write cycles of every Profile in the process, so two
// objects on one path never drop each other's keys.
std::mutex& WriteMutex()
{
    static std::mutex mutex;
    return mutex;
}

void Configure(Ini& ini)
{
    ini.SetUnicode(true);
    ini.SetMultiKey(true); // a duplicated key reads as its first value
    ini.SetSpaces(false);  // "key=value", as profile files are written
    ini.SetQuotes(true);   // keeps blanks around a value, strips quotes on read
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    bool Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Reads the whole file into ini. A missing file is an empty one; a file that
// exists but cannot be read gives false, so that no write replaces it.
bool LoadFile(const std::string& path, Ini& ini, FileIdentity& identity)
{
    ini.Reset();
    Configure(ini);
    identity = {};
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0)
        return errno == ENOENT;
    struct stat st {};
    if (::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    std::string text;
    char chunk[16384];
    for (;;) {
        const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        text.append(chunk, static_cast<size_t>(got));
    }
    identity = FileIdentity::Of(st);
    return ini.LoadData(text) >= 0;
}

bool WriteAll(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t put = ::write(fd, text.data() + done, text.size() - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        done += static_cast<size_t>(put);
    }
    return true;
}

std::string TempNameSuffix()
{
    thread_local std::mt19937_64 generator{std::random_device{}()};
    char text[17];
    const auto end = std::to_chars(text, text + sizeof text - 1, generator(), 16).ptr;
    return std::string(text, end);
}

// Writes the text to a fresh temporary file beside path, flushes it to the
// disk and renames it over path. On failure path is untouched and the
// temporary file removed. written receives the new file's identity.
bool ReplaceFile(const std::string& path, const std::string& text, const FileIdentity& old, FileIdentity& written)
{
    const std::filesystem::path target(path);
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::string tempPath;
    int fd = -1;
    for (int attempt = 0; attempt < kTempNameAttempts && fd < 0; ++attempt) {
        tempPath = (folder / ("." + target.filename().string() + "." + TempNameSuffix())).string();
        fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    FileDescriptor file(fd);
    // Keeping the old file's permissions is a courtesy: a file that cannot
    // get them is still written.
    if (old.exists)
        (void)::fchmod(file.get(), old.mode & 07777);
    struct stat st {};
    bool ok = WriteAll(file.get(), text) && ::fsync(file.get()) == 0 && ::fstat(file.get(), &st) == 0;
    ok = file.Close() && ok;
    if (ok && ::rename(tempPath.c_str(), path.c_str()) == 0) {
        written = FileIdentity::Of(st);
        return true;
    }
    ::unlink(tempPath.c_str());
    return false;
}

bool HasLineBreak(std::string_view text)
{
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool HasOuterBlanks(std::string_view text)
{
    return !text.empty() && (IsBlank(text.front()) || IsBlank(text.back()));
}

// Names that the parser would read back differently (or as another line's
// syntax) are refused rather than written.
bool IsWritableSection(std::string_view section)
{
    return !section.empty() && !HasLineBreak(section) && !HasOuterBlanks(section) &&
           section.find(']') == std::string_view::npos;
}

bool IsWritableKey(std::string_view key)
{
    return !key.empty() && !HasLineBreak(key) && !HasOuterBlanks(key) && key.find('=') == std::string_view::npos &&
           key.front() != ';' && key.front() != '#' && key.front() != '[';
}

std::string_view SkipBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

// The leading integer of a value: optional sign, then decimal digits or "0x"
// and hexadecimal digits; the rest of the text is ignored. Values up to 2^32-1
// wrap into an int as the 32-bit profile functions do, so "%u" values read
// back as written.
std::optional<int> LeadingInt(std::string_view text)
{
    text = SkipBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') &&
        std::isxdigit(static_cast<unsigned char>(text[2]))) {
        base = 16;
        text.remove_prefix(2);
    }
    uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    (void)end;
    if (error != std::errc())
        return std::nullopt;
    if (negative) {
        if (magnitude > uint64_t{1} << 31)
            return std::nullopt;
        return static_cast<int>(-static_cast<int64_t>(magnitude));
    }
    if (magnitude > std::numeric_limits<uint32_t>::max())
        return std::nullopt;
    return static_cast<int>(static_cast<uint32_t>(magnitude));
}

std::optional<double> LeadingDouble(std::string_view text)
{
    text = SkipBlanks(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (error != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Sets a value keeping the spelling of an existing key (the names compare
// without case), as the profile functions do.
bool SetValue(Ini& ini, const std::string& section, const std::string& key, const std::string& value)
{
    std::string name = key;
    if (const Ini::TKeyVal* keys = ini.GetSection(section.c_str())) {
        const auto found = keys->find(Ini::Entry(key.c_str()));
        if (found != keys->end())
            name = found->first.pItem;
    }
    return ini.SetValue(section.c_str(), name.c_str(), value.c_str(), nullptr, true) >= 0;
}

struct PendingWrite {
    std::string section;
    std::string key;
    std::string value;
};

} // namespace

struct Profile::Cache {
    Ini ini;
    FileIdentity identity;
    bool loaded = false;
    bool updating = false;
    std::vector<PendingWrite> pending;

    // Writes the changes onto the file as it is now and keeps the result.
    bool Commit(const std::string& path, const std::vector<PendingWrite>& changes)
    {
        std::lock_guard lock(WriteMutex());
        Ini fresh;
        FileIdentity old;
        bool ok = LoadFile(path, fresh, old);
        for (const PendingWrite& change : changes)
            ok = ok && SetValue(fresh, change.section, change.key, change.value);
        std::string text;
        FileIdentity written;
        ok = ok && fresh.Save(text, false) >= 0 && ReplaceFile(path, text, old, written);
        if (!ok) {
            loaded = false;
            return false;
        }
        ini.Reset();
        Configure(ini);
        ini.LoadData(text);
        identity = written;
        loaded = true;
        return true;
    }
};

Profile::Profile(std::string path) : path_(std::move(path)), cache_(std::make_unique<Cache>()) {}

Profile::~Profile()
{
    EndUpdate();
}

const Profile::Cache& Profile::Current() const
{
    Cache& cache = *cache_;
    if (cache.updating)
        return cache;
    struct stat st {};
    const FileIdentity now = ::stat(path_.c_str(), &st) == 0 ? FileIdentity::Of(st) : FileIdentity{};
    if (!cache.loaded || !(now == cache.identity)) {
        FileIdentity read;
        LoadFile(path_, cache.ini, read);
        cache.identity = read;
        cache.loaded = true;
    }
    return cache;
}

bool Profile::HasKey(std::string_view section, std::string_view key) const
{
    return Current().ini.GetValue(std::string(section).c_str(), std::string(key).c_str()) != nullptr;
}

std::vector<std::string> Profile::Sections() const
{
    Ini::TNamesDepend names;
    Current().ini.GetAllSections(names);
    names.sort(Ini::Entry::LoadOrder());
    std::vector<std::string> sections;
    for (const Ini::Entry& name : names)
        sections.emplace_back(name.pItem);
    return sections;
}

std::string Profile::GetString(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    const char* value = Current().ini.GetValue(std::string(section).c_str(), std::string(key).c_str());
    return value ? std::string(value) : std::string(defaultValue);
}

int Profile::GetInt(std::string_view section, std::string_view key, int defaultValue) const
{
    const char* value = Current().ini.GetValue(std::string(section).c_str(), std::string(key).c_str());
    return value ? LeadingInt(value).value_or(defaultValue) : defaultValue;
}

double Profile::GetDouble(std::string_view section, std::string_view key, double defaultValue) const
{
    const char* value = Current().ini.GetValue(std::string(section).c_str(), std::string(key).c_str());
    return value ? LeadingDouble(value).value_or(defaultValue) : defaultValue;
}

bool Profile::WriteInt(std::string_view section, std::string_view key, int value)
{
    return WriteString(section, key, std::to_string(value));
}

bool Profile::WriteDouble(std::string_view section, std::string_view key, double value)
{
    char text[std::numeric_limits<double>::max_exponent10 + kDoubleDecimals + 8];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, kDoubleDecimals);
    if (error != std::errc())
        return false;
    return WriteString(section, key, std::string_view(text, static_cast<size_t>(end - text)));
}

bool Profile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    if (!IsWritableSection(section) || !IsWritableKey(key) || HasLineBreak(value))
        return false;
    PendingWrite change{std::string(section), std::string(key), std::string(value)};
    Cache& cache = *cache_;
    if (!cache.updating)
        return cache.Commit(path_, {change});
    if (!SetValue(cache.ini, change.section, change.key, change.value))
        return false;
    cache.pending.push_back(std::move(change));
    return true;
}

void Profile::BeginUpdate()
{
    if (cache_->updating)
        return;
    Current();
    cache_->updating = true;
}

bool Profile::EndUpdate()
{
    Cache& cache = *cache_;
    if (!cache.updating)
        return true;
    cache.updating = false;
    std::vector<PendingWrite> changes;
    changes.swap(cache.pending);
    if (changes.empty())
        return true;
    return cache.Commit(path_, changes);
}
