// The control dialog: its tabs, title, closing, and keys that must not close
// it.
#include "ControlTestCamera.h"

#include "controls/CLxCtrlMainDlg.h"
#include "controls/SettingsPage.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ControlDialogTest : public ::testing::Test {
protected:
    ControlDialogTest()
    {
        camera_.AddGainShutterFeatures();
        camera_.AddWhiteBalanceFeatures();
        camera_.AddTriggerFeatures();
    }

    TestCamera camera_;
};

} // namespace

TEST_F(ControlDialogTest, EightTabsInTheirOrder)
{
    CLxCtrlMainDlg dialog(camera_.Host());
    QStringList captions;
    for (int tab = 0; tab < dialog.Tabs()->count(); ++tab)
        captions << dialog.Tabs()->tabText(tab);
    EXPECT_EQ(captions,
              QStringList({"Gain/Shutter", "WhiteBalance", "Gamma", "Trigger", "AOI", "Output", "Other", "UserSet"}));
    EXPECT_EQ(dialog.Tabs()->currentIndex(), CLxCtrlMainDlg::kGainShutterTab);
    EXPECT_EQ(dialog.Page(CLxCtrlMainDlg::kTriggerTab), dialog.Tabs()->widget(CLxCtrlMainDlg::kTriggerTab));
    EXPECT_FALSE(dialog.isModal());
    // The settings file's buttons wait for its handlers.
    EXPECT_EQ(dialog.SaveButton()->text(), "Save(&S)...");
    EXPECT_EQ(dialog.LoadButton()->text(), "Load(&L)...");
    EXPECT_TRUE(dialog.SaveButton()->isEnabled());
    EXPECT_TRUE(dialog.LoadButton()->isEnabled());
}

TEST_F(ControlDialogTest, OpensShowingItsWholeContentAndScrollsWhenSmaller)
{
    CLxCtrlMainDlg dialog(camera_.Host());
    auto* scroll = dialog.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    dialog.show();
    const QSize content = scroll->widget()->sizeHint();
    EXPECT_GE(content.height(), dialog.Tabs()->sizeHint().height());
    EXPECT_EQ(dialog.size(), content.boundedTo(QGuiApplication::primaryScreen()->availableSize()));
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
    dialog.resize(200, 150);
    QApplication::processEvents();
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
}

TEST_F(ControlDialogTest, TitleIsTheApplicationNameWithTheModel)
{
    const QString application = QGuiApplication::applicationDisplayName();
    CLxCtrlMainDlg dialog(camera_.Host());
    EXPECT_EQ(dialog.windowTitle(),
              application + "[" + QString::fromStdString(camera_.Camera().Identity().model) + "]");

    camera_.Host().connected = false;
    dialog.RefreshCurrentPageAndTitle();
    EXPECT_EQ(dialog.windowTitle(), application);
}

TEST_F(ControlDialogTest, SwitchingTabsReadsTheSelectedPageAgain)
{
    CLxCtrlMainDlg dialog(camera_.Host());
    auto* gain = dialog.Page(CLxCtrlMainDlg::kGainShutterTab)->findChild<QLineEdit*>("GainRawEdit");
    ASSERT_NE(gain, nullptr);
    EXPECT_EQ(gain->text(), "0");
    camera_.Get<FakeInteger>("GainRaw")->value = 77;
    dialog.Tabs()->setCurrentIndex(CLxCtrlMainDlg::kTriggerTab);
    EXPECT_EQ(gain->text(), "0");
    dialog.Tabs()->setCurrentIndex(CLxCtrlMainDlg::kGainShutterTab);
    EXPECT_EQ(gain->text(), "77");

    camera_.Get<FakeInteger>("GainRaw")->value = 78;
    dialog.RefreshCurrentPageAndTitle();
    EXPECT_EQ(gain->text(), "78");
}

TEST_F(ControlDialogTest, OkEscapeAndTheCloseBoxHideItAndReportClosed)
{
    CLxCtrlMainDlg dialog(camera_.Host());
    QSignalSpy closed(&dialog, &CLxCtrlMainDlg::closed);
    dialog.show();
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == "OK")
            button->click();
    }
    EXPECT_FALSE(dialog.isVisible());
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    dialog.show();
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(closed.count(), 3);
}

TEST_F(ControlDialogTest, EnterAndEscapeInAPageDoNotCloseTheDialog)
{
    CLxCtrlMainDlg dialog(camera_.Host());
    QSignalSpy closed(&dialog, &CLxCtrlMainDlg::closed);
    dialog.show();
    SettingsPage* page = dialog.Page(CLxCtrlMainDlg::kGainShutterTab);
    auto* edit = page->findChild<QLineEdit*>("GainRawEdit");
    auto* combo = page->findChild<QComboBox*>("GainAuto");
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(combo, nullptr);
    edit->setText("12");
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter);
    QTest::keyClick(edit, Qt::Key_Escape);
    QTest::keyClick(combo, Qt::Key_Return);
    QTest::keyClick(combo, Qt::Key_Escape);
    QTest::keyClick(page, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(closed.count(), 0);
    EXPECT_EQ(camera_.Get<FakeInteger>("GainRaw")->value, 12);
}
