// The main window without a screen: menu texts and their languages, enabling
// and checks, the drawing toolbar, closing, notifications and the
// missing-OpenGL path that the offscreen platform takes.
#include "AppTestSupport.h"
#include "CameraFakes.h"
#include "TempDir.h"

#include "analysis/CHistogramDlg.h"
#include "analysis/WaveformWindow.h"
#include "app/CLumivexDlg.h"
#include "app/MainToolBar.h"
#include "camera/CameraConnection.h"
#include "capture/CRecordingControl.h"
#include "capturewindows/RecordingProgressBar.h"
#include "capturewindows/SnapShotList.h"
#include "commands/CMovieCommand.h"
#include "commands/SnapShotCapture.h"
#include "context/CameraContext.h"
#include "context/SettingsFile.h"
#include "controls/CLxCtrlMainDlg.h"
#include "drawing/CDrawingManagement.h"
#include "optionboard/CLxCtrlOPMainDlg.h"
#include "platform/UiLanguage.h"
#include "profile/Profile.h"
#include "selection/CDeviceDlg.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <QXmlStreamReader>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <utility>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : context_(dir_.file("lumivex.dat")), deviceDlg_(context_, true, prompts_)
    {
        QCoreApplication::setApplicationName(QStringLiteral("Lumivex"));
    }

    std::unique_ptr<CLumivexDlg> MakeWindow(bool optionFile = false, const std::string& program = "lumivex")
    {
        return std::make_unique<CLumivexDlg>(optionFile, context_, deviceDlg_, prompts_,
                                             QString::fromStdString(dir_.file(program)));
    }

    void AddCamera(int optionFlag = 0)
    {
        FakeDevice* device = nullptr;
        ASSERT_NE(context_.AddCamera(MakeFakeCamera(dir_, &device)), nullptr);
        AddFake<FakeInteger>(device->features, "Width", 640);
        AddFake<FakeInteger>(device->features, "Height", 480);
        AddFake<FakeInteger>(device->features, "DeviceOptionFlg", optionFlag);
    }

    static void Touch(const std::string& path) { std::ofstream(path) << "x"; }

    static bool Enabled(CLumivexDlg& window, CLumivexDlg::Command command)
    {
        QAction* action = window.Action(command);
        return action && action->isEnabled();
    }

    TempDir dir_;
    RecordingPrompts prompts_;
    CameraContext context_;
    CDeviceDlg deviceDlg_;
};

TEST_F(MainWindowTest, MenuTitlesAndTextsComeFromTheTranslatableTexts)
{
    auto window = MakeWindow();
    QStringList titles;
    for (QAction* menu : window->menuBar()->actions())
        titles.push_back(menu->text());
    EXPECT_EQ(titles, (QStringList{"File(&F)", "Option(&O)", "Capture(&C)", "Draw(&D)", "Window(&W)", "Help(&H)"}));

    QStringList option;
    for (QAction* item : window->menuBar()->actions()[1]->menu()->actions())
        option.push_back(item->text());
    EXPECT_EQ(option, (QStringList{"Live Video(&P)", "Settings(&S)", "Features(&E)...", "Size(&Z)", "Callback(&C)...",
                                   "Waveform(&W)", "Histogram(&H)", "Manage Connection(&M)"}));
    EXPECT_EQ(window->Action(CLumivexDlg::kZoomX1_8)->text(), QStringLiteral("x1/8"));
    EXPECT_EQ(window->Action(CLumivexDlg::kDrawProperty)->text(), QStringLiteral("Draw Property.."));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Lumivex"));
}

QStringList MenuTitles(CLumivexDlg& window)
{
    // Opening a menu updates every menu text, as it does for the user.
    emit window.menuBar()->actions()[1]->menu()->aboutToShow();
    QStringList titles;
    for (QAction* menu : window.menuBar()->actions())
        titles.push_back(menu->text());
    return titles;
}

TEST_F(MainWindowTest, SwitchingTheLanguageTranslatesTheMenusWhenTheyUpdate)
{
    // Whatever happens below, the next tests find the texts untranslated.
    struct Untranslated {
        ~Untranslated() { SetUiLanguage(QLocale::c()); }
    } untranslated;
    auto window = MakeWindow();
    SetUiLanguage(QLocale(QLocale::Japanese, QLocale::Japan));
    EXPECT_EQ(MenuTitles(*window), (QStringList{"ファイル(&F)", "オプション(&O)", "キャプチャ(&C)", "描画(&D)",
                                                "ウィンドウ(&W)", "ヘルプ(&H)"}));
    EXPECT_EQ(window->Action(CLumivexDlg::kLiveVideo)->text(), QStringLiteral("ライブ映像(&P)"));
    EXPECT_EQ(window->Action(CLumivexDlg::kSettings)->text(), QStringLiteral("設定(&S)"));

    SetUiLanguage(QLocale(QLocale::English));
    EXPECT_EQ(MenuTitles(*window),
              (QStringList{"File(&F)", "Option(&O)", "Capture(&C)", "Draw(&D)", "Window(&W)", "Help(&H)"}));
    EXPECT_EQ(window->Action(CLumivexDlg::kSettings)->text(), QStringLiteral("Settings(&S)"));
}

struct CatalogueEntry {
    QString translation;
    bool finished = false;
};

// A translation catalogue: (context, source text) -> its translation.
std::map<std::pair<QString, QString>, CatalogueEntry> ReadCatalogue(const QString& path)
{
    std::map<std::pair<QString, QString>, CatalogueEntry> entries;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            // Anything marked (unfinished, vanished, obsolete) is not a finished translation.
            const bool finished = !xml.attributes().hasAttribute(QStringLiteral("type"));
            entries[{context, source}] = {xml.readElementText(), finished};
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return entries;
}

// What a translation must keep of its source: the place markers %1..%9, the
// accelerator, a trailing ellipsis and line end.
QStringList KeptParts(const QString& text)
{
    QStringList parts;
    for (const QRegularExpressionMatch& match : QRegularExpression(QStringLiteral("%\\d|&[A-Z]")).globalMatch(text))
        parts.push_back(match.captured());
    parts.sort();
    if (text.endsWith(QStringLiteral("...")))
        parts.push_back(QStringLiteral("..."));
    if (text.endsWith(QLatin1Char('\n')))
        parts.push_back(QStringLiteral("\\n"));
    return parts;
}

TEST(Translations, EveryEnglishMessageHasAFinishedJapaneseTranslation)
{
    const auto english = ReadCatalogue(QStringLiteral(LUMIVEX_TRANSLATIONS_DIR "/lumivex_en.ts"));
    const auto japanese = ReadCatalogue(QStringLiteral(LUMIVEX_TRANSLATIONS_DIR "/lumivex_ja.ts"));
    ASSERT_GT(english.size(), 500u);
    for (const auto& [message, unused] : english) {
        const std::string where = (message.first + ": " + message.second).toStdString();
        const auto found = japanese.find(message);
        ASSERT_NE(found, japanese.end()) << where;
        EXPECT_TRUE(found->second.finished) << where;
        EXPECT_FALSE(found->second.translation.isEmpty()) << where;
        EXPECT_EQ(KeptParts(found->second.translation), KeptParts(message.second)) << where;
    }
}

TEST_F(MainWindowTest, WithoutACameraOnlyTheCameraFreeCommandsWork)
{
    auto window = MakeWindow();
    for (auto command : {CLumivexDlg::kClose, CLumivexDlg::kLiveVideo, CLumivexDlg::kManageConnection,
                         CLumivexDlg::kToolBar, CLumivexDlg::kDrawProperty, CLumivexDlg::kVersionInformation})
        EXPECT_TRUE(Enabled(*window, command)) << command;
    for (auto command :
         {CLumivexDlg::kSettings, CLumivexDlg::kFeatures, CLumivexDlg::kZoomX8, CLumivexDlg::kZoomX1_8,
          CLumivexDlg::kAdjustWindowSize, CLumivexDlg::kCallback, CLumivexDlg::kWaveform, CLumivexDlg::kHistogram,
          CLumivexDlg::kSnapShot, CLumivexDlg::kVideoCapture, CLumivexDlg::kDeleteDrawing, CLumivexDlg::kShowThumbnail})
        EXPECT_FALSE(Enabled(*window, command)) << command;
    EXPECT_TRUE(window->Action(CLumivexDlg::kToolBar)->isChecked());
    EXPECT_TRUE(window->Action(CLumivexDlg::kZoomX1)->isChecked());

    // Live Video does nothing without a camera.
    window->Action(CLumivexDlg::kLiveVideo)->trigger();
    EXPECT_EQ(window->Action(CLumivexDlg::kLiveVideo)->text(), QStringLiteral("Live Video(&P)"));
    EXPECT_TRUE(prompts_.shown.empty());
}

TEST_F(MainWindowTest, OptionSettingAndHelpAreRemovedWithoutTheirFiles)
{
    auto window = MakeWindow(false);
    EXPECT_EQ(window->Action(CLumivexDlg::kOpSetting), nullptr);
    EXPECT_EQ(window->Action(CLumivexDlg::kHelp), nullptr);
    EXPECT_EQ(window->menuBar()->actions()[5]->menu()->actions().size(), 1);

    Touch(dir_.file("lumivex_User's Guide_jp.pdf"));
    Touch(dir_.file("lumivex_e.pdf"));
    window = MakeWindow(true);
    ASSERT_NE(window->Action(CLumivexDlg::kOpSetting), nullptr);
    EXPECT_FALSE(window->Action(CLumivexDlg::kOpSetting)->isEnabled());
    ASSERT_NE(window->Action(CLumivexDlg::kHelp), nullptr);
    EXPECT_EQ(window->Action(CLumivexDlg::kHelp)->text(), QStringLiteral("Help(&H)..."));
    EXPECT_EQ(window->HelpFilePath(), QString::fromStdString(dir_.file("lumivex_e.pdf")));

    Touch(dir_.file("lumivex.pdf"));
    window = MakeWindow(true);
    EXPECT_EQ(window->HelpFilePath(), QString::fromStdString(dir_.file("lumivex.pdf")));
}

// Receives what the desktop would open.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.push_back(url); }
};

TEST_F(MainWindowTest, HelpOpensTheInstalledGuideInTheLanguageOfTheUserInterface)
{
    OpenedUrls opened; // outlives the handler's registration
    struct Restore {
        ~Restore()
        {
            SetUiLanguage(QLocale::c());
            QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
            qunsetenv("XDG_DATA_HOME");
            qunsetenv("XDG_DATA_DIRS");
        }
    } restore;
    // An installation under dir_: bin/lumivex and share/doc/lumivex; the user's
    // and the system's data folders are empty ones of this test.
    std::filesystem::create_directories(dir_.path() / "bin");
    std::filesystem::create_directories(dir_.path() / "share/doc/lumivex");
    std::filesystem::create_directories(dir_.path() / "home-data");
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dir_.file("home-data")));
    qputenv("XDG_DATA_DIRS", QByteArray::fromStdString(dir_.file("system-data")));
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "open");
    const std::string en = dir_.file("share/doc/lumivex/lumivex-guide-en.pdf");
    const std::string ja = dir_.file("share/doc/lumivex/lumivex-guide-ja.pdf");

    struct Case {
        QLocale::Language language;
        std::vector<std::string> installed;
        std::string opens; // empty: no Help item
    };
    const Case cases[] = {
        {QLocale::English, {}, ""},
        {QLocale::Japanese, {}, ""},
        {QLocale::English, {en, ja}, en},
        {QLocale::Japanese, {en, ja}, ja},
        // Only the other language's guide: better than none.
        {QLocale::Japanese, {en}, en},
        // In a folder of the user's data: found there as well.
        {QLocale::English,
         {dir_.file("home-data/doc/lumivex/lumivex-guide-en.pdf")},
         dir_.file("home-data/doc/lumivex/lumivex-guide-en.pdf")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QLocale::languageToString(c.language).toStdString() + " opens " + c.opens);
        for (const char* folder : {"share/doc/lumivex", "home-data"})
            for (const auto& entry : std::filesystem::directory_iterator(dir_.path() / folder))
                std::filesystem::remove_all(entry.path());
        for (const std::string& file : c.installed) {
            std::filesystem::create_directories(std::filesystem::path(file).parent_path());
            Touch(file);
        }
        SetUiLanguage(QLocale(c.language));
        auto window = MakeWindow(false, "bin/lumivex");
        QAction* help = window->Action(CLumivexDlg::kHelp);
        const QList<QAction*> helpMenu = window->menuBar()->actions()[5]->menu()->actions();
        if (c.opens.empty()) {
            EXPECT_EQ(help, nullptr);
            EXPECT_EQ(helpMenu.size(), 1);
            continue;
        }
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(helpMenu.contains(help));
        opened.urls.clear();
        help->trigger();
        EXPECT_EQ(opened.urls, QList<QUrl>{QUrl::fromLocalFile(QString::fromStdString(c.opens))});
    }
}

TEST_F(MainWindowTest, WithACameraButNoOpenGLTheWindowSaysSoAndCloses)
{
    AddCamera();
    auto window = MakeWindow();
    QSignalSpy closed(window.get(), &CLumivexDlg::closed);
    ASSERT_EQ(prompts_.shown.size(), 1u);
    EXPECT_EQ(prompts_.shown[0].text, QStringLiteral("This PC does not support OpenGL."));
    EXPECT_EQ(prompts_.shown[0].icon, MessagePrompts::Icon::Exclamation);
    EXPECT_FALSE(window->IsPreviewing());
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("Lumivex - ")));
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(MainWindowTest, CameraCommandsFollowTheRecordingFlag)
{
    AddCamera();
    auto window = MakeWindow();
    for (auto command :
         {CLumivexDlg::kZoomX8, CLumivexDlg::kZoomX1_8, CLumivexDlg::kAdjustWindowSize, CLumivexDlg::kManageConnection,
          CLumivexDlg::kWaveform, CLumivexDlg::kHistogram, CLumivexDlg::kVideoCapture, CLumivexDlg::kSettings})
        EXPECT_TRUE(Enabled(*window, command)) << command;

    window->Action(CLumivexDlg::kZoomX1_8)->trigger();
    EXPECT_EQ(context_.zoomIndex, 1);
    EXPECT_TRUE(window->Action(CLumivexDlg::kZoomX1_8)->isChecked());
    EXPECT_FALSE(window->Action(CLumivexDlg::kZoomX1)->isChecked());

    context_.recordingInProgress = 1;
    window->UpdateMenus();
    EXPECT_TRUE(Enabled(*window, CLumivexDlg::kZoomX2));
    EXPECT_FALSE(Enabled(*window, CLumivexDlg::kVideoCapture));
    EXPECT_FALSE(Enabled(*window, CLumivexDlg::kWaveform));
    EXPECT_FALSE(Enabled(*window, CLumivexDlg::kHistogram));
    EXPECT_FALSE(Enabled(*window, CLumivexDlg::kSettings));

    // The recording control's "finished" signal.
    prompts_.shown.clear();
    emit window->MovieCommand().Control().recordingFinished(CRecordingControl::EndReason::Completed);
    EXPECT_EQ(context_.recordingInProgress, 0);
    ASSERT_EQ(prompts_.shown.size(), 1u);
    EXPECT_EQ(prompts_.shown[0].text, QStringLiteral("AVI File Created."));
    EXPECT_TRUE(prompts_.shown[0].caption.isEmpty());
    EXPECT_EQ(prompts_.shown[0].icon, MessagePrompts::Icon::Information);
}

TEST_F(MainWindowTest, AnOpenAnalysisWindowHoldsManageConnectionAndTakesTheMouse)
{
    AddCamera();
    auto window = MakeWindow();
    ASSERT_TRUE(Enabled(*window, CLumivexDlg::kManageConnection));
    window->Action(CLumivexDlg::kWaveform)->trigger();
    ASSERT_NE(window->Waveform(), nullptr);
    const FrameSinkList& sinks = *context_.FirstCamera()->Acquisition().FrameSinks();
    const FrameSink* waveform = window->Waveform()->Record();
    EXPECT_TRUE(sinks.Contains(waveform));
    EXPECT_TRUE(window->Waveform()->IsActive());
    EXPECT_FALSE(Enabled(*window, CLumivexDlg::kManageConnection));

    // A left click over the image picks the waveform's row; the drawing manager gets nothing.
    window->DrawingModeAction(1)->trigger();
    const int imageTop = window->ToolBar()->geometry().bottom() + 1;
    QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, QPoint(30, imageTop + 100));
    EXPECT_EQ(window->Waveform()->SelectedRow(), 100);
    EXPECT_EQ(context_.drawingManager->ObjectCount(), 0);

    window->Waveform()->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Enabled(*window, CLumivexDlg::kManageConnection));

    window->Action(CLumivexDlg::kHistogram)->trigger();
    ASSERT_NE(window->HistogramWindow(), nullptr);
    const FrameSink* histogram = window->HistogramWindow()->Record();
    EXPECT_TRUE(sinks.Contains(histogram));
    EXPECT_FALSE(Enabled(*window, CLumivexDlg::kManageConnection));
    window->HistogramWindow()->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Enabled(*window, CLumivexDlg::kManageConnection));

    // The windows' records leave the camera's sinks with the main window.
    window.reset();
    EXPECT_FALSE(sinks.Contains(waveform));
    EXPECT_FALSE(sinks.Contains(histogram));
}

TEST_F(MainWindowTest, TheControlDialogHoldsManageConnectionWhileShown)
{
    AddCamera();
    auto window = MakeWindow();
    ASSERT_NE(window->ControlDialog(), nullptr);
    EXPECT_EQ(window->OptionBoardDialog(), nullptr);
    window->Action(CLumivexDlg::kSettings)->trigger();
    EXPECT_TRUE(window->ControlDialog()->isVisible());
    EXPECT_FALSE(Enabled(*window, CLumivexDlg::kManageConnection));
    window->ControlDialog()->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Enabled(*window, CLumivexDlg::kManageConnection));
}

TEST_F(MainWindowTest, OptionSettingFollowsTheModelCheckOfTheFirstCamera)
{
    AddCamera(0);
    auto window = MakeWindow(true);
    ASSERT_NE(window->OptionBoardDialog(), nullptr);
    EXPECT_FALSE(Enabled(*window, CLumivexDlg::kOpSetting));
    // Both settings dialogs carry the program's icon.
    EXPECT_EQ(window->OptionBoardDialog()->windowIcon().cacheKey(), window->windowIcon().cacheKey());
    EXPECT_EQ(window->ControlDialog()->windowIcon().cacheKey(), window->windowIcon().cacheKey());
    window.reset();

    context_.RemoveCamera(context_.FirstCamera());
    AddCamera(1);
    window = MakeWindow(true);
    EXPECT_TRUE(Enabled(*window, CLumivexDlg::kOpSetting));
}

TEST_F(MainWindowTest, FileCloseQuitsWithoutAskingWhileTheCloseBoxAsks)
{
    auto window = MakeWindow();
    SnapShotList& snapshots = SnapShotListOf(context_);
    const std::vector<uint8_t> pixels(8 * 6, 128);
    ASSERT_EQ(snapshots.Add(8, 6, false, pixels.data()), 0);
    QSignalSpy closed(window.get(), &CLumivexDlg::closed);
    window->show();
    window->Action(CLumivexDlg::kClose)->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(prompts_.questions.isEmpty());

    window->show();
    prompts_.answer = false;
    window->close();
    ASSERT_EQ(prompts_.questions.size(), 1);
    EXPECT_EQ(prompts_.questions[0], QStringLiteral("There are images that are not saved. If you quit this "
                                                    "application, these images are removed."));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(closed.count(), 1);
    prompts_.answer = true;
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(closed.count(), 2);

    // Nothing unsaved: no question.
    snapshots.Delete(true);
    window->show();
    window->close();
    EXPECT_EQ(prompts_.questions.size(), 2);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, EscapeDoesNotCloseTheWindowAndEnterEndsOnlyARecording)
{
    auto window = MakeWindow();
    window->show();
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    // Keys pressed in the toolbar reach the window too.
    QTest::keyClick(window->ToolBar(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());

    // Enter presses the recording strip's Stop Recording while the strip shows.
    QSignalSpy stopped(window->RecordingBar()->StopButton(), &QPushButton::clicked);
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_EQ(stopped.count(), 0);
    window->RecordingBar()->show();
    QTest::keyClick(window->ToolBar(), Qt::Key_Return);
    QTest::keyClick(window.get(), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(window.get(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(stopped.count(), 2);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, DrawingModesKeepExactlyOneButtonChecked)
{
    auto window = MakeWindow();
    ASSERT_EQ(window->ToolBar()->actions().size(), CLumivexDlg::kDrawingModeCount);
    EXPECT_TRUE(window->DrawingModeAction(0)->isChecked());

    window->DrawingModeAction(6)->trigger();
    EXPECT_EQ(context_.drawingManager->Tool(), 6);
    for (int mode = 0; mode < CLumivexDlg::kDrawingModeCount; ++mode)
        EXPECT_EQ(window->DrawingModeAction(mode)->isChecked(), mode == 6) << mode;

    // Pressing the checked button again keeps it checked.
    window->DrawingModeAction(6)->trigger();
    EXPECT_TRUE(window->DrawingModeAction(6)->isChecked());
    EXPECT_EQ(context_.drawingManager->Tool(), 6);
}

TEST_F(MainWindowTest, DeleteDrawingWorksOnTheSelectedShapes)
{
    auto window = MakeWindow();
    CDrawingManagement& manager = *context_.drawingManager;
    manager.SetImageSize(640, 480);
    manager.SetTool(1);
    manager.OnPress(QPoint(10, 10), 0);
    manager.OnMove(0, QPoint(100, 50));
    manager.OnPress(QPoint(100, 50), 0);
    manager.OnRelease();
    ASSERT_EQ(manager.ObjectCount(), 1);
    ASSERT_GT(manager.CountSelected(), 0);
    window->UpdateMenus();
    ASSERT_TRUE(Enabled(*window, CLumivexDlg::kDeleteDrawing));
    window->Action(CLumivexDlg::kDeleteDrawing)->trigger();
    EXPECT_EQ(manager.ObjectCount(), 0);
    EXPECT_FALSE(Enabled(*window, CLumivexDlg::kDeleteDrawing));
}

TEST_F(MainWindowTest, TheToolbarSettingIsToggledAndStoredWhenTheWindowCloses)
{
    auto window = MakeWindow();
    window->Action(CLumivexDlg::kToolBar)->trigger();
    EXPECT_EQ(context_.showToolBar, 0);
    EXPECT_TRUE(window->ToolBar()->isHidden());
    EXPECT_FALSE(window->Action(CLumivexDlg::kToolBar)->isChecked());
    window.reset();
    EXPECT_EQ(Profile(context_.SettingsPath()).GetInt(kSettingSection, kShowToolBarKey, 1), 0);
}

TEST_F(MainWindowTest, TheDrawPropertyDialogIsCreatedOnceAndForgottenWhenClosed)
{
    auto window = MakeWindow();
    window->Action(CLumivexDlg::kDrawProperty)->trigger();
    QDialog* first = window->findChild<QDialog*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(first, nullptr);
    window->Action(CLumivexDlg::kDrawProperty)->trigger();
    EXPECT_EQ(window->findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window->findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly).isEmpty());
    window->Action(CLumivexDlg::kDrawProperty)->trigger();
    EXPECT_EQ(window->findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
}

} // namespace

#include "MainWindowTest.moc"
