#include "capture/SaveImageFile.h"
#include "capturewindows/SnapShotExitCheck.h"
#include "capturewindows/SnapShotList.h"

#include "SnapShotTestFrames.h"
#include "TempDir.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>

#include <cerrno>
#include <deque>

namespace {

// Answers the save dialogs from a queue; an empty answer cancels.
struct ScriptedChooser {
    std::deque<QString> answers;
    QStringList offeredNames;

    SnapShotList::SaveChooser Chooser()
    {
        return [this](QWidget*, const QString& defaultName) {
            offeredNames.append(defaultName);
            if (answers.empty())
                return QString();
            QString answer = answers.front();
            answers.pop_front();
            return answer;
        };
    }
};

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void AddFrames(SnapShotList& list, int count)
{
    for (int i = 0; i < count; ++i) {
        const bool colour = i % 2 == 0;
        const TestFrame frame = colour ? ColourSnapShotFrame(36 + i, 20) : GreySnapShotFrame(36 + i, 20);
        ASSERT_EQ(list.Add(static_cast<uint32_t>(frame.width), static_cast<uint32_t>(frame.height), colour,
                           frame.data.data()),
                  0);
    }
}

void SelectAll(SnapShotList& list)
{
    for (int i = 0; i < list.Count(); ++i)
        list.Find(list.At(i)->Number())->SetSelected(true);
}

// The file as another reader decodes it, compared with the snapshot's pixels.
void ExpectDecodesToSnapShot(const QString& path, const SnapShotImage& image)
{
    const QImage decoded = QImage(path).convertToFormat(QImage::Format_RGB888);
    ASSERT_EQ(decoded.size(), QSize(static_cast<int>(image.Width()), static_cast<int>(image.Height())))
        << path.toStdString();
    for (int y = 0; y < decoded.height(); ++y) {
        for (int x = 0; x < decoded.width(); ++x) {
            const QRgb pixel = decoded.pixel(x, y);
            const uint8_t* stored = image.Pixels() + static_cast<size_t>(y) * image.RowLength() +
                                    static_cast<size_t>(x * image.BytesPerPixel());
            const int blue = stored[0];
            const int red = image.IsColour() ? stored[2] : stored[0];
            ASSERT_EQ(qRed(pixel), red) << x << "," << y;
            ASSERT_EQ(qBlue(pixel), blue) << x << "," << y;
        }
    }
}

} // namespace

// The depth chosen in the save dialog: 16 bits hold the camera's values where
// the format can, BMP stays 8 bits, and a snapshot without a deep frame saves
// its 8-bit image.
TEST(SnapShotSave, SixteenBitsHoldTheCamerasValues)
{
    TempDir dir;
    SnapShotList list;
    constexpr int kWidth = 5;
    constexpr int kHeight = 3;
    auto raw = std::make_unique<SnapShotRawFrame>();
    raw->pixelFormat = 0x01100005; // Mono12
    std::vector<uint16_t> values;
    for (int i = 0; i < kWidth * kHeight; ++i) {
        values.push_back(static_cast<uint16_t>(i * 273 + 1));
        raw->bytes.push_back(static_cast<uint8_t>(values.back()));
        raw->bytes.push_back(static_cast<uint8_t>(values.back() >> 8));
    }
    const std::vector<uint8_t> shown(kWidth * kHeight, 7);
    ASSERT_EQ(list.Add(kWidth, kHeight, false, shown.data(), std::move(raw)), 0);
    AddFrames(list, 1);
    list.SetDepth(SnapShotList::SaveDepth::Sixteen);
    ScriptedChooser chooser;
    chooser.answers = {QString::fromStdString(dir.file("deep.png")), QString::fromStdString(dir.file("deep.bmp")),
                       QString::fromStdString(dir.file("plain.png"))};
    list.SetSaveChooser(chooser.Chooser());
    ASSERT_EQ(list.Save(1, nullptr), 0);
    ASSERT_EQ(list.Save(1, nullptr), 0);
    ASSERT_EQ(list.Save(2, nullptr), 0);

    const QImage deep(QString::fromStdString(dir.file("deep.png")));
    ASSERT_EQ(deep.format(), QImage::Format_Grayscale16);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            EXPECT_EQ(reinterpret_cast<const uint16_t*>(deep.constScanLine(y))[x], values[size_t(y * kWidth + x)]);
    EXPECT_EQ(QImage(QString::fromStdString(dir.file("deep.bmp"))).pixel(0, 0), qRgb(7, 7, 7));
    EXPECT_EQ(QImage(QString::fromStdString(dir.file("plain.png"))).depth(), 32);
}

TEST(SnapShotSave, WritesWhatSaveImageFileWritesForTheFrame)
{
    TempDir dir;
    SnapShotList list;
    AddFrames(list, 2);
    SelectAll(list);
    ScriptedChooser chooser;
    const QString colourPath = QString::fromStdString(dir.file("colour.png"));
    const QString greyPath = QString::fromStdString(dir.file("grey.bmp"));
    chooser.answers = {colourPath, greyPath};
    list.SetSaveChooser(chooser.Chooser());

    ASSERT_EQ(list.SaveSelected(nullptr), 0);
    EXPECT_EQ(chooser.offeredNames, (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    for (const auto& [number, path] : {std::pair{1u, colourPath}, std::pair{2u, greyPath}}) {
        const SnapShotImage& image = *list.Find(number);
        EXPECT_EQ(image.SavedPath(), path);
        const QString reference = path + QStringLiteral(".reference.") + QFileInfo(path).suffix();
        ASSERT_TRUE(
            SaveImageFile(image.Width(), image.Height(), image.FormatCode(), image.Pixels(), reference.toStdString()));
        EXPECT_EQ(FileBytes(path), FileBytes(reference)) << path.toStdString();
        ExpectDecodesToSnapShot(path, image);
    }
    EXPECT_EQ(QProcess::execute(QStringLiteral("pngcheck"), {QStringLiteral("-q"), colourPath}), 0);
    EXPECT_EQ(list.CountUnsaved(), 0);
}

TEST(SnapShotSave, ACancelledDialogSkipsOnlyItsSnapshot)
{
    TempDir dir;
    SnapShotList list;
    AddFrames(list, 3);
    SelectAll(list);
    ScriptedChooser chooser;
    chooser.answers = {QString::fromStdString(dir.file("a.tif")), QString(), QString::fromStdString(dir.file("c.jpg"))};
    list.SetSaveChooser(chooser.Chooser());

    EXPECT_EQ(list.SaveSelected(nullptr), 0);
    EXPECT_EQ(chooser.offeredNames.size(), 3);
    EXPECT_TRUE(list.Find(1)->IsSaved());
    EXPECT_FALSE(list.Find(2)->IsSaved());
    EXPECT_TRUE(list.Find(3)->IsSaved());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(dir.file("c.jpg"))));
    EXPECT_EQ(list.CountUnsaved(), 1);
}

TEST(SnapShotSave, AFailedWriteStopsTheLoopWithItsError)
{
    TempDir dir;
    SnapShotList list;
    AddFrames(list, 3);
    SelectAll(list);
    list.Find(2)->SetSelected(false);
    ScriptedChooser chooser;
    chooser.answers = {QString::fromStdString(dir.file("missing/folder/1.bmp")),
                       QString::fromStdString(dir.file("3.bmp"))};
    list.SetSaveChooser(chooser.Chooser());

    EXPECT_EQ(list.SaveSelected(nullptr), ENOENT);
    EXPECT_EQ(chooser.offeredNames, QStringList{QStringLiteral("1")});
    EXPECT_EQ(list.CountUnsaved(), 3);

    // An extension no writer knows is refused without a file.
    chooser.answers = {QString::fromStdString(dir.file("3.gif"))};
    EXPECT_EQ(list.Save(3, nullptr), EINVAL);
    EXPECT_FALSE(list.Find(3)->IsSaved());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.file("3.gif"))));
}

TEST(SnapShotSave, ASnapshotDeletedWhileItsDialogIsOpenIsNotWritten)
{
    TempDir dir;
    SnapShotList list;
    AddFrames(list, 2);
    SelectAll(list);
    const QString path = QString::fromStdString(dir.file("gone.bmp"));
    int asked = 0;
    list.SetSaveChooser([&](QWidget*, const QString&) {
        ++asked;
        list.Delete(true);
        return path;
    });
    EXPECT_EQ(list.SaveSelected(nullptr), 0);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(SnapShotSave, ALaterSaveReplacesThePath)
{
    TempDir dir;
    SnapShotList list;
    AddFrames(list, 1);
    int changes = 0;
    list.SetChangeListener([&changes] { ++changes; });
    ScriptedChooser chooser;
    chooser.answers = {QString::fromStdString(dir.file("first.bmp")), QString(),
                       QString::fromStdString(dir.file("second.png"))};
    list.SetSaveChooser(chooser.Chooser());
    ASSERT_EQ(list.Save(1, nullptr), 0);
    ASSERT_EQ(list.Save(1, nullptr), 0); // cancelled: still saved as before
    EXPECT_EQ(list.Find(1)->SavedPath(), QString::fromStdString(dir.file("first.bmp")));
    ASSERT_EQ(list.Save(1, nullptr), 0);
    EXPECT_EQ(list.Find(1)->SavedPath(), QString::fromStdString(dir.file("second.png")));
    EXPECT_EQ(changes, 2);
}

TEST(SnapShotExitCheck, AsksOnlyWhileASnapshotIsUnsaved)
{
    TempDir dir;
    SnapShotList list;
    QStringList questions;
    bool answer = false;
    const SnapShotQuitQuestion ask = [&](QWidget*, const QString& question) {
        questions.append(question);
        return answer;
    };
    EXPECT_TRUE(MayQuitWithSnapShots(list, nullptr, ask));

    AddFrames(list, 2);
    EXPECT_FALSE(MayQuitWithSnapShots(list, nullptr, ask));
    answer = true;
    EXPECT_TRUE(MayQuitWithSnapShots(list, nullptr, ask));
    ASSERT_EQ(questions.size(), 2);
    EXPECT_EQ(questions.front(), QStringLiteral("There are images that are not saved. If you quit this application, "
                                                "these images are removed."));

    ScriptedChooser chooser;
    chooser.answers = {QString::fromStdString(dir.file("1.bmp")), QString::fromStdString(dir.file("2.bmp"))};
    list.SetSaveChooser(chooser.Chooser());
    SelectAll(list);
    ASSERT_EQ(list.SaveSelected(nullptr), 0);
    answer = false;
    EXPECT_TRUE(MayQuitWithSnapShots(list, nullptr, ask));
    EXPECT_EQ(questions.size(), 2);
}
