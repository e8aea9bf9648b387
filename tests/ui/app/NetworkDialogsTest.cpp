// The packet size and IP address dialogs.
#include "AppTestSupport.h"
#include "CameraFakes.h"

#include "selection/CPacketsizeSettingDlg.h"
#include "selection/IpAddressSettingDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int32_t kMinimum = 576;
constexpr int32_t kMaximum = 65024;

void TypeInto(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
}

TEST(PacketSizeDialog, EnterClampsTheTypedSizeToTheRangeAndKeepsTheDialogOpen)
{
    CPacketsizeSettingDlg dialog(false, 8000, kMinimum, kMaximum);
    dialog.show();
    QSignalSpy accepted(&dialog, &QDialog::accepted);

    TypeInto(dialog.SizeField(), QStringLiteral("100000"));
    QTest::keyClick(dialog.SizeField(), Qt::Key_Return);
    EXPECT_EQ(dialog.PacketSize(), kMaximum);
    EXPECT_EQ(dialog.SizeField()->text(), QStringLiteral("65024"));
    EXPECT_EQ(dialog.SizeScrollBar()->value(), kMaximum);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(accepted.count(), 0);

    // Leading digits count, the rest is ignored; too small goes to the minimum.
    TypeInto(dialog.SizeField(), QStringLiteral("1500 bytes"));
    QTest::keyClick(dialog.SizeField(), Qt::Key_Enter);
    EXPECT_EQ(dialog.PacketSize(), 1500);
    TypeInto(dialog.SizeField(), QStringLiteral("12"));
    QTest::keyClick(dialog.SizeField(), Qt::Key_Return);
    EXPECT_EQ(dialog.PacketSize(), kMinimum);
}

TEST(PacketSizeDialog, TypingWithoutEnterKeepsThePreviousSize)
{
    CPacketsizeSettingDlg dialog(false, 8000, kMinimum, kMaximum);
    dialog.show();
    TypeInto(dialog.SizeField(), QStringLiteral("9000"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.PacketSize(), 8000);
    EXPECT_FALSE(dialog.AutoNegotiation());
}

TEST(PacketSizeDialog, LosingTheFocusShowsTheConfirmedSizeAgain)
{
    CPacketsizeSettingDlg dialog(false, 8000, kMinimum, kMaximum);
    dialog.show();
    TypeInto(dialog.SizeField(), QStringLiteral("9000"));
    QFocusEvent focusOut(QEvent::FocusOut);
    QCoreApplication::sendEvent(dialog.SizeField(), &focusOut);
    EXPECT_EQ(dialog.SizeField()->text(), QStringLiteral("8000"));
    EXPECT_EQ(dialog.PacketSize(), 8000);
}

TEST(PacketSizeDialog, TheScrollBarStepsByOneAndByPagesOfTenWithinTheRange)
{
    CPacketsizeSettingDlg dialog(false, kMaximum - 5, kMinimum, kMaximum);
    QScrollBar* bar = dialog.SizeScrollBar();
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(dialog.PacketSize(), kMaximum - 6);
    EXPECT_EQ(dialog.SizeField()->text(), QString::number(kMaximum - 6));
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(dialog.PacketSize(), kMaximum - 16);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(dialog.PacketSize(), kMaximum);
}

TEST(PacketSizeDialog, AutoGreysTheSizeControlsButKeepsTheirValue)
{
    CPacketsizeSettingDlg dialog(false, 8000, kMinimum, kMaximum);
    EXPECT_EQ(dialog.ModeList()->currentText(), QStringLiteral("Manual"));
    EXPECT_TRUE(dialog.SizeField()->isEnabled());

    dialog.ModeList()->setCurrentIndex(CPacketsizeSettingDlg::kAuto);
    EXPECT_TRUE(dialog.AutoNegotiation());
    EXPECT_FALSE(dialog.SizeField()->isEnabled());
    EXPECT_FALSE(dialog.SizeScrollBar()->isEnabled());
    EXPECT_FALSE(dialog.SizeLabel()->isEnabled());
    EXPECT_EQ(dialog.SizeField()->text(), QStringLiteral("8000"));
    EXPECT_EQ(dialog.PacketSize(), 8000);

    CPacketsizeSettingDlg automatic(true, 8000, kMinimum, kMaximum);
    EXPECT_EQ(automatic.ModeList()->currentText(), QStringLiteral("Auto"));
    EXPECT_FALSE(automatic.SizeField()->isEnabled());
}

TEST(IPAddressDialog, WithoutACameraOnlyExitIsUsable)
{
    RecordingPrompts prompts;
    IpAddressSettingDialog dialog(nullptr, prompts);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("IPAddress Setting"));
    for (QWidget* control :
         std::initializer_list<QWidget*>{dialog.AutomaticButton(), dialog.KeepCurrentButton(), dialog.AddressField(),
                                         dialog.SubnetMaskField(), dialog.SaveButton()})
        EXPECT_FALSE(control->isEnabled());
    EXPECT_TRUE(dialog.ExitButton()->isEnabled());
    for (QLabel* label : dialog.findChildren<QLabel*>())
        EXPECT_FALSE(label->isEnabled()) << label->text().toStdString();
}

class IPAddressDialogTest : public ::testing::Test {
protected:
    IPAddressDialogTest()
    {
        address_ = AddFake<FakeInteger>(device_.features, "GevCurrentIPAddress", 0xC0A8000A);
        mask_ = AddFake<FakeInteger>(device_.features, "GevCurrentSubnetMask", 0xFFFFFF00);
        persistentAddress_ = AddFake<FakeInteger>(device_.features, "GevPersistentIPAddress", 0);
        persistentMask_ = AddFake<FakeInteger>(device_.features, "GevPersistentSubnetMask", 0);
        persistent_ = AddFake<FakeBoolean>(device_.features, "GevCurrentIPConfigurationPersistentIP", false);
    }

    RecordingPrompts prompts_;
    FakeDevice device_;
    FakeInteger* address_;
    FakeInteger* mask_;
    FakeInteger* persistentAddress_;
    FakeInteger* persistentMask_;
    FakeBoolean* persistent_;
};

TEST_F(IPAddressDialogTest, ShowsTheCurrentAddressAndTheModeTheCameraHolds)
{
    persistent_->value = true;
    IpAddressSettingDialog dialog(&device_, prompts_);
    EXPECT_EQ(dialog.AddressField()->text(), QStringLiteral("192.168.  0. 10"));
    EXPECT_EQ(dialog.SubnetMaskField()->text(), QStringLiteral("255.255.255.  0"));
    EXPECT_TRUE(dialog.KeepCurrentButton()->isChecked());
    EXPECT_EQ(dialog.CurrentMode(), IpAddressSettingDialog::kKeepCurrent);
    dialog.AutomaticButton()->click();
    EXPECT_EQ(dialog.CurrentMode(), IpAddressSettingDialog::kAutomatic);
}

TEST_F(IPAddressDialogTest, KeepingTheCurrentAddressStoresItAsThePersistentOne)
{
    IpAddressSettingDialog dialog(&device_, prompts_);
    ASSERT_TRUE(dialog.AutomaticButton()->isChecked());
    dialog.KeepCurrentButton()->click();
    dialog.SaveButton()->click();
    EXPECT_EQ(persistentAddress_->value, 0xC0A8000A);
    EXPECT_EQ(persistentMask_->value, 0xFFFFFF00);
    EXPECT_TRUE(persistent_->value);
    EXPECT_EQ(prompts_.Texts(), QStringList{QStringLiteral("Saved successfully!")});

    dialog.AutomaticButton()->click();
    dialog.SaveButton()->click();
    EXPECT_FALSE(persistent_->value);
    EXPECT_EQ(prompts_.Texts().size(), 2);
}

TEST_F(IPAddressDialogTest, AFailedStepStopsTheSaveAndReportsTheSdkCode)
{
    persistentMask_->failWrite = true;
    IpAddressSettingDialog dialog(&device_, prompts_);
    dialog.KeepCurrentButton()->click();
    dialog.SaveButton()->click();
    EXPECT_FALSE(persistent_->value);
    ASSERT_EQ(prompts_.shown.size(), 1u);
    EXPECT_TRUE(prompts_.shown[0].text.startsWith(QStringLiteral("Saved Error! Code=")))
        << prompts_.shown[0].text.toStdString();
}

TEST(IPAddressDialog, ACameraWithoutThePersistentSwitchIsNotReportedAsSaved)
{
    RecordingPrompts prompts;
    FakeDevice device;
    AddFake<FakeInteger>(device.features, "GevCurrentIPAddress", 0xC0A8000A);
    AddFake<FakeInteger>(device.features, "GevCurrentSubnetMask", 0xFFFFFF00);
    FakeInteger* stored = AddFake<FakeInteger>(device.features, "GevPersistentIPAddress", 0);
    AddFake<FakeInteger>(device.features, "GevPersistentSubnetMask", 0);
    IpAddressSettingDialog dialog(&device, prompts);
    dialog.KeepCurrentButton()->click();
    dialog.SaveButton()->click();
    EXPECT_EQ(stored->value, 0xC0A8000A);
    EXPECT_EQ(prompts.Texts(), QStringList{QStringLiteral("Saved Error! Code=20[0x14]")});
}

TEST(IPAddressDialog, AMissingFeatureIsReportedAsNotInitialised)
{
    RecordingPrompts prompts;
    FakeDevice device;
    IpAddressSettingDialog dialog(&device, prompts);
    dialog.KeepCurrentButton()->click();
    dialog.SaveButton()->click();
    EXPECT_EQ(prompts.Texts(), QStringList{QStringLiteral("Saved Error! Code=20[0x14]")});
}

} // namespace
