// The option board dialog driven like a user would, against the simulated
// option board behind a connected camera.
#include "SimControlTest.h"

#include "controls/CLxCtrlMainDlg.h"
#include "optionboard/CLxCtrlOPMainDlg.h"
#include "optionboard/DataSettingPage.h"
#include "optionboard/ImageProcessingPage.h"
#include "optionboard/OptionBoardLink.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint8_t kBusy = 0x07;
constexpr uint8_t kBank = 0x80;

class OptionBoardDialogSim : public SimControlTest {
protected:
    void SetUp() override
    {
        options_.width = 160;
        options_.height = 120;
        camera_->GetSerial().SetReporter(&reports_);
        camera_->GetSerial().SetSleep([](uint32_t) {});
        ASSERT_NO_FATAL_FAILURE(StartCamera());
    }

    // The board's state as a fresh read sees it.
    OptionState BoardState()
    {
        OptionState state;
        OptionBoardLink link(camera_->GetSerial(), camera_->GetDevice());
        EXPECT_TRUE(link.ReadState(state));
        return state;
    }

    // The items of the dialog's state that the board can report.
    static OptionState Readable(const OptionState& state)
    {
        OptionState readable;
        readable.dataToUserFpga = state.dataToUserFpga;
        readable.dataFromUserFpga = state.dataFromUserFpga;
        readable.outputSource = state.outputSource;
        readable.jtagConnection = state.jtagConnection;
        readable.userFpgaEnable = state.userFpgaEnable;
        return readable;
    }

    CapturedReports reports_;
};

TEST_F(OptionBoardDialogSim, ShowingReadsTheBoardIntoBothPagesAndTitlesWithTheModel)
{
    sim_.WriteOptionRegisters(0, kBank, 192, {0x12, 0x15});
    sim_.WriteOptionRegisters(0, kBank, 24, {0x01});
    sim_.WriteOptionRegisters(0, kBank, 25, {0x01});

    CLxCtrlOPMainDlg dialog(host_);
    dialog.show();
    DataSettingPage& page1 = *dialog.DataPage();
    EXPECT_EQ(page1.DataToUserFpgaList()->currentText(), "White balance and gamma processed data");
    EXPECT_EQ(page1.DataFromUserFpgaList()->currentText(), "White balance,gamma and color interpolation");
    for (int pin = 0; pin < kOptionOutputCount; ++pin)
        EXPECT_EQ(page1.OutputSourceList(pin)->currentIndex(), pin % 2 == 0 ? 1 : 0) << pin;
    EXPECT_EQ(page1.JtagList()->currentText(), "Enable");
    EXPECT_EQ(page1.UserFpgaEnableList()->currentText(), "Enable");
    EXPECT_TRUE(page1.UserFpgaEnableList()->isEnabled());
    EXPECT_TRUE(dialog.ProcessingPage()->ModeList()->isEnabled());
    EXPECT_EQ(dialog.windowTitle(), QGuiApplication::applicationDisplayName() + "[" +
                                        QString::fromStdString(camera_->Identity().model) + "]");
    EXPECT_TRUE(camera_->GetSerial().IsOpen()) << "the channel stays open on port 0";
    EXPECT_TRUE(reports_.texts.empty());
}

TEST_F(OptionBoardDialogSim, EdgeDetectionReachesTheUserFpgaAndEveryWriteReadsBack)
{
    sim_.WriteOptionRegisters(0, kBank, 25, {0x01});
    CLxCtrlOPMainDlg dialog(host_);
    dialog.show();
    dialog.Tabs()->setCurrentIndex(CLxCtrlOPMainDlg::kImageProcessingTab);
    ImageProcessingPage& page2 = *dialog.ProcessingPage();

    page2.ModeList()->setCurrentIndex(2);
    EXPECT_EQ(page2.ModeList()->currentText(), "Edge detection");
    EXPECT_EQ(sim_.ReadOptionRegisters(1, 0x00, 0, 9), (Bytes{2, 0, 0, 0, 0, 0, 0, 0, 0}));

    page2.ThresholdSlider()->setValue(0x123);
    page2.EdgeLevelSlider()->setValue(77);
    page2.SplitScreenList()->setCurrentIndex(1);
    EXPECT_EQ(sim_.ReadOptionRegisters(1, 0x00, 0, 5), (Bytes{2, 1, 0x23, 0x01, 77}));
    EXPECT_EQ(page2.ThresholdText()->text(), "[ 291]");
    EXPECT_EQ(page2.EdgeLevelText()->text(), "[  77]");

    page2.StillImageList()->setCurrentIndex(1);
    page2.ZoomList()->setCurrentIndex(1);
    page2.OutputControl(1)->click();
    page2.OutputControl(4)->click();
    EXPECT_EQ(sim_.ReadOptionRegisters(1, 0x00, 6, 3), (Bytes{0x12, 1, 1}));
    EXPECT_EQ(dialog.State().outputControl, (std::array<uint8_t, 5>{0, 1, 0, 0, 1}));

    dialog.Tabs()->setCurrentIndex(CLxCtrlOPMainDlg::kDataSettingTab);
    DataSettingPage& page1 = *dialog.DataPage();
    page1.DataToUserFpgaList()->setCurrentIndex(1);
    EXPECT_EQ(Readable(dialog.State()), BoardState());
    page1.DataFromUserFpgaList()->setCurrentIndex(3);
    EXPECT_EQ(Readable(dialog.State()), BoardState());
    page1.OutputSourceList(3)->setCurrentIndex(1);
    EXPECT_EQ(Readable(dialog.State()), BoardState());
    page1.JtagList()->setCurrentIndex(1);
    EXPECT_EQ(Readable(dialog.State()), BoardState());
    EXPECT_EQ(sim_.ReadOptionRegisters(0, kBank, 192, 2), (Bytes{0x31, 0x08}));
    EXPECT_TRUE(reports_.texts.empty());
}

TEST_F(OptionBoardDialogSim, UserFpgaDisabledGreysEveryImageProcessingControl)
{
    CLxCtrlOPMainDlg dialog(host_);
    dialog.show();
    ImageProcessingPage& page2 = *dialog.ProcessingPage();
    const QList<QWidget*> controls = page2.findChildren<QWidget*>();
    ASSERT_GT(controls.size(), 20);
    for (QWidget* control : controls)
        EXPECT_FALSE(control->isEnabled()) << control->metaObject()->className();

    // Enabling it waits for the user FPGA with the dialog still painting.
    DataSettingPage& page1 = *dialog.DataPage();
    page1.UserFpgaEnableList()->setCurrentIndex(1);
    EXPECT_EQ(sim_.ReadOptionRegisters(0, kBank, 25, 1), Bytes{1});
    EXPECT_TRUE(page1.IsWaitingForUserFpga());
    EXPECT_FALSE(dialog.isEnabled());
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_TRUE(page2.ModeList()->isEnabledTo(&page2));
    QTRY_VERIFY_WITH_TIMEOUT(!page1.IsWaitingForUserFpga(), DataSettingPage::kUserFpgaStartMs + 2000);
    EXPECT_TRUE(dialog.isEnabled());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    for (QWidget* control : controls)
        EXPECT_TRUE(control->isEnabled()) << control->metaObject()->className();

    page1.UserFpgaEnableList()->setCurrentIndex(0);
    EXPECT_FALSE(page1.IsWaitingForUserFpga());
    for (QWidget* control : controls)
        EXPECT_FALSE(control->isEnabled()) << control->metaObject()->className();
}

TEST_F(OptionBoardDialogSim, ARefusedWriteLeavesTheListsShowingTheBoardsValues)
{
    sim_.WriteOptionRegisters(0, kBank, 192, {0x01, 0x00});
    sim_.WriteOptionRegisters(0, kBank, 25, {0x01});
    CLxCtrlOPMainDlg dialog(host_);
    dialog.show();
    DataSettingPage& page1 = *dialog.DataPage();

    sim_.AnswerNextRequests(0, kBusy, 1);
    page1.DataToUserFpgaList()->setCurrentIndex(2);
    EXPECT_EQ(page1.DataToUserFpgaList()->currentIndex(), 1);
    EXPECT_EQ(sim_.ReadOptionRegisters(0, kBank, 192, 2), (Bytes{0x01, 0x00}));
    ASSERT_EQ(reports_.texts.size(), 1u);
    EXPECT_EQ(reports_.texts[0].rfind("Extra Error(0x0).", 0), 0u) << reports_.texts[0];

    sim_.AnswerNextRequests(0, kBusy, 1);
    page1.OutputSourceList(0)->setCurrentIndex(1);
    EXPECT_EQ(page1.OutputSourceList(0)->currentIndex(), 0);
    EXPECT_EQ(Readable(dialog.State()), BoardState());

    // A refused user FPGA write: the check box goes back too.
    ImageProcessingPage& page2 = *dialog.ProcessingPage();
    sim_.AnswerNextRequests(1, kBusy, 1);
    page2.OutputControl(2)->click();
    EXPECT_FALSE(page2.OutputControl(2)->isChecked());
    EXPECT_EQ(dialog.State().outputControl[2], 0);
    EXPECT_EQ(reports_.texts.size(), 3u);
}

TEST_F(OptionBoardDialogSim, WithoutACameraNothingIsSentAndClosingNotifies)
{
    host_.camera = nullptr;
    CLxCtrlOPMainDlg dialog(host_);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QGuiApplication::applicationDisplayName());
    DataSettingPage& page1 = *dialog.DataPage();
    EXPECT_FALSE(page1.UserFpgaEnableList()->isEnabled());
    EXPECT_FALSE(dialog.ProcessingPage()->ModeList()->isEnabled());

    page1.JtagList()->setCurrentIndex(1);
    EXPECT_EQ(page1.JtagList()->currentIndex(), 0);
    EXPECT_EQ(sim_.ReadOptionRegisters(0, kBank, 24, 1), Bytes{0});

    QSignalSpy closed(&dialog, &CLxCtrlOPMainDlg::closed);
    dialog.accept();
    EXPECT_EQ(closed.size(), 1);
    EXPECT_FALSE(dialog.isVisible());
    dialog.show();
    dialog.reject();
    EXPECT_EQ(closed.size(), 2);
}

// Pictures of both pages for a person to look at, when asked for with
// LUMIVEX_SCREENSHOT_DIR.
TEST_F(OptionBoardDialogSim, PagesCanBeGrabbed)
{
    sim_.WriteOptionRegisters(0, kBank, 192, {0x12, 0x05});
    sim_.WriteOptionRegisters(0, kBank, 25, {0x01});
    CLxCtrlOPMainDlg dialog(host_);
    dialog.show();
    const char* folder = std::getenv("LUMIVEX_SCREENSHOT_DIR");
    for (int tab = 0; tab < CLxCtrlOPMainDlg::kTabCount; ++tab) {
        dialog.Tabs()->setCurrentIndex(tab);
        const QPixmap picture = dialog.grab();
        ASSERT_FALSE(picture.isNull());
        if (folder) {
            EXPECT_TRUE(picture.save(QDir(folder).filePath(QString("optionboard-page%1.png").arg(tab + 1))));
        }
    }
}

} // namespace
