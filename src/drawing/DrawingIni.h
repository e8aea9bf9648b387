#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <memory>

struct DrawingStyle;

// The INI text of a drawing file. Sections and keys are read
// case-insensitively, each with a default that a missing or unreadable value
// keeps; sections and keys are written in the order they are first set, and
// the file is replaced as a whole so that a failed save leaves the old file.
class DrawingIni {
    Q_DECLARE_TR_FUNCTIONS(DrawingIni)

public:
    DrawingIni();
    ~DrawingIni();
    DrawingIni(const DrawingIni&) = delete;
    DrawingIni& operator=(const DrawingIni&) = delete;

    // Largest drawing file read: far more than any drawing needs.
    static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

    // False, with the reason in `error` when given, when the file cannot be
    // read or is not a regular file of at most kMaxFileSize bytes (a device,
    // a pipe or a folder is refused without being read).
    bool Load(const QString& path, QString* error = nullptr);
    // Writes a temporary file beside the target, then renames it over the target.
    bool Save(const QString& path) const;
    // The text as it would be saved.
    std::string Text() const;

    int32_t ReadInt(const char* section, const char* key, int32_t defaultValue) const;
    // A value that is not a finite number keeps the default.
    double ReadReal(const char* section, const char* key, double defaultValue) const;
    QString ReadText(const char* section, const char* key, const QString& defaultValue, int maxLength) const;

    // Integers as signed decimals, reals with six decimals, texts on one line.
    void WriteInt(const char* section, const char* key, int32_t value);
    void WriteReal(const char* section, const char* key, double value);
    void WriteText(const char* section, const char* key, const QString& text);

private:
    struct Store;
    std::unique_ptr<Store> store_;
};

// The style keys of one section, in their file order.
void ReadDrawingStyle(const DrawingIni& ini, const char* section, DrawingStyle& style);
void WriteDrawingStyle(DrawingIni& ini, const char* section, const DrawingStyle& style);
