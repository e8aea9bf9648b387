#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// An INI file read and written key by key, the way the program's settings,
// camera settings and drawing files are kept.
//
// Section and key names are case-insensitive; every read gives a default when
// the file, section or key is missing. A write changes one key and keeps every
// other section, key and comment in place; it re-reads the file first, so a key
// written a moment before by another Profile on the same path is not lost.
// Each write replaces the file through a temporary file in the same folder and
// a rename, so a crash leaves either the old or the new file, never a torn one.
// The folder must exist: a missing file reads as empty and is created by the
// first write, a missing folder makes writes fail.
class Profile {
public:
    explicit Profile(std::string path);
    ~Profile();
    Profile(const Profile&) = delete;
    Profile& operator=(const Profile&) = delete;

    const std::string& Path() const { return path_; }

    // The value's leading number (decimal, or hexadecimal after "0x"); the
    // default when the key is missing or holds no number.
    int GetInt(std::string_view section, std::string_view key, int defaultValue) const;
    // The value's leading decimal number, independent of the locale.
    double GetDouble(std::string_view section, std::string_view key, double defaultValue) const;
    // The value without surrounding blanks or one pair of surrounding quotes.
    std::string GetString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    bool HasKey(std::string_view section, std::string_view key) const;
    // The section names in file order.
    std::vector<std::string> Sections() const;

    // Each gives false when the file could not be written, or when a name or
    // value would not read back as written (line breaks, '=' or ']' in names).
    bool WriteInt(std::string_view section, std::string_view key, int value);
    // Fixed notation with six decimals ("%f"), always with a '.'.
    bool WriteDouble(std::string_view section, std::string_view key, double value);
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);

    // Groups the writes up to EndUpdate into one rewrite of the file, for
    // callers that write hundreds of keys at once (a drawing file). Reads in
    // between see the pending values. EndUpdate applies them to the file as it
    // is then and gives whether it was written; destruction ends a pending
    // update.
    void BeginUpdate();
    bool EndUpdate();

private:
    struct Cache;
    const Cache& Current() const;

    std::string path_;
    std::unique_ptr<Cache> cache_;
};
