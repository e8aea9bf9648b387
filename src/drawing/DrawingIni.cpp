#include "drawing/DrawingIni.h"

#include "drawing/DrawingStyle.h"

#include <QFile>
#include <QSaveFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
// Texts stay UTF-8 bytes, so no wide-character conversion is needed; the
// template code is compiled here rather than taken from the packaged library.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

struct DrawingIni::Store {
    // UTF-8 texts, one value per key, single-line values.
    CSimpleIniA ini{true, false, false};
};

namespace {

// Visits the style keys in file order with each field: integers (colours and
// font bytes included) and the face name.
template <class Visitor>
void VisitStyleKeys(DrawingStyle& s, Visitor&& visit)
{
    visit("PenStyle", s.penStyle);
    visit("PenWidth", s.penWidth);
    visit("PenColor", s.penColor);
    visit("BrushType", s.brushType);
    visit("BrushStyle", s.brushHatchStyle);
    visit("BrushColor", s.brushColor);
    visit("TextColor", s.textColor);
    visit("TextBackMode", s.textBackMode);
    visit("TextBackColor", s.textBackColor);
    visit("BackMode", s.backMode);
    visit("BackColor", s.backColor);
    visit("DispTextMode", s.dispTextMode);
    visit("DispTextOffsetX", s.textOffsetX);
    visit("DispTextOffsetY", s.textOffsetY);
    visit("FontHeight", s.font.height);
    visit("FontWidth", s.font.width);
    visit("FontEscapement", s.font.escapement);
    visit("FontOrientation", s.font.orientation);
    visit("FontWeight", s.font.weight);
    visit("FontItalic", s.font.italic);
    visit("FontUnderline", s.font.underline);
    visit("FontStrikeOut", s.font.strikeOut);
    visit("FontCharSet", s.font.charSet);
    visit("FontOutPrecision", s.font.outPrecision);
    visit("FontClipPrecision", s.font.clipPrecision);
    visit("FontQuality", s.font.quality);
    visit("FontPitchAndFamily", s.font.pitchAndFamily);
    visit("FontFaceName", s.font.faceName);
    visit("PolyFillMode", s.polyFillMode);
}

} // namespace

DrawingIni::DrawingIni() : store_(std::make_unique<Store>())
{
    store_->ini.SetSpaces(false);
}

DrawingIni::~DrawingIni() = default;

bool DrawingIni::Load(const QString& path, QString* error)
{
    const auto fail = [&](const QString& reason) {
        if (error != nullptr)
            *error = reason;
        return false;
    };
    const auto systemError = [&] { return fail(tr("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)))); };
    // Without blocking, so that a pipe nobody writes to is refused at once
    // rather than waited on.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return systemError();
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(tr("%1: %2").arg(path, file.errorString()));
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return systemError();
    if (!S_ISREG(st.st_mode))
        return fail(tr("%1 is not a regular file.").arg(path));
    if (st.st_size > kMaxFileSize)
        return fail(tr("%1 is larger than %2 MiB.").arg(path).arg(kMaxFileSize / (1024 * 1024)));
    // The size is read again: the file may have grown since.
    const QByteArray data = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(tr("%1: %2").arg(path, file.errorString()));
    if (data.size() > kMaxFileSize)
        return fail(tr("%1 is larger than %2 MiB.").arg(path).arg(kMaxFileSize / (1024 * 1024)));
    store_->ini.Reset();
    if (store_->ini.LoadData(data.constData(), size_t(data.size())) < 0)
        return fail(tr("%1 is not a drawing file.").arg(path));
    return true;
}

std::string DrawingIni::Text() const
{
    std::string text;
    store_->ini.Save(text);
    return text;
}

bool DrawingIni::Save(const QString& path) const
{
    const std::string text = Text();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(text.data(), qint64(text.size())) != qint64(text.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

int32_t DrawingIni::ReadInt(const char* section, const char* key, int32_t defaultValue) const
{
    const char* value = store_->ini.GetValue(section, key, nullptr);
    if (value == nullptr)
        return defaultValue;
    char* end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(value, &end, 10);
    if (end == value || errno == ERANGE)
        return defaultValue;
    // Values above the signed range wrap, as colours written unsigned do.
    return int32_t(uint32_t(parsed));
}

double DrawingIni::ReadReal(const char* section, const char* key, double defaultValue) const
{
    const char* value = store_->ini.GetValue(section, key, nullptr);
    if (value == nullptr)
        return defaultValue;
    bool ok = false;
    const double parsed = QString::fromUtf8(value).trimmed().toDouble(&ok);
    return ok && std::isfinite(parsed) ? parsed : defaultValue;
}

QString DrawingIni::ReadText(const char* section, const char* key, const QString& defaultValue, int maxLength) const
{
    const char* value = store_->ini.GetValue(section, key, nullptr);
    if (value == nullptr)
        return defaultValue;
    return QString::fromUtf8(value).left(maxLength);
}

void DrawingIni::WriteInt(const char* section, const char* key, int32_t value)
{
    store_->ini.SetValue(section, key, std::to_string(value).c_str());
}

void DrawingIni::WriteReal(const char* section, const char* key, double value)
{
    store_->ini.SetValue(section, key, QString::number(value, 'f', 6).toUtf8().constData());
}

void DrawingIni::WriteText(const char* section, const char* key, const QString& text)
{
    // A line break would end the value and corrupt the file.
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    store_->ini.SetValue(section, key, line.toUtf8().constData());
}

void ReadDrawingStyle(const DrawingIni& ini, const char* section, DrawingStyle& style)
{
    VisitStyleKeys(style, [&](const char* key, auto& field) {
        using Field = std::remove_reference_t<decltype(field)>;
        if constexpr (std::is_same_v<Field, QString>)
            field = ini.ReadText(section, key, field, kMaxFaceNameLength);
        else
            field = Field(ini.ReadInt(section, key, int32_t(field)));
    });
    ClampToDrawable(style);
}

void WriteDrawingStyle(DrawingIni& ini, const char* section, const DrawingStyle& style)
{
    DrawingStyle copy = style;
    VisitStyleKeys(copy, [&](const char* key, auto& field) {
        using Field = std::remove_reference_t<decltype(field)>;
        if constexpr (std::is_same_v<Field, QString>)
            ini.WriteText(section, key, field.left(kMaxFaceNameLength));
        else
            ini.WriteInt(section, key, int32_t(field));
    });
}
