// The binding kinds of the control pages, on a page of one row of each.
#include "ControlTestCamera.h"

#include "controls/CommandButtonBinding.h"
#include "controls/FloatEditBinding.h"
#include "controls/IntSliderBinding.h"
#include "controls/IntSpinBinding.h"
#include "controls/SettingsPage.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TestPage : public SettingsPage {
public:
    TestPage() : SettingsPage("Test")
    {
        auto* grid = new QGridLayout(this);
        level = AddIntSlider(*grid, 0, {"Level", "Level", "20H_ 21H"}, "[uSec]");
        keep = AddValueCombo(*grid, 1, {"Keep", "Keep", nullptr}, {"OFF", "ON"},
                             ValueComboBinding::Unreadable::KeepSelection);
        first = AddValueCombo(*grid, 2, {"First", "First", nullptr}, {"OFF", "ON"},
                              ValueComboBinding::Unreadable::SelectFirst);
        byData = AddEnumCombo(*grid, 3, {"Source", "Source", nullptr}, {EnumComboBinding::Write::ItemData});
        byIndex = AddEnumCombo(*grid, 4, {"Index", "Index", nullptr}, {EnumComboBinding::Write::ItemIndex});
        available = AddEnumCombo(*grid, 5, {"Available", "Available", nullptr},
                                 {EnumComboBinding::Write::ItemData, true, true});
        delay = AddFloatEdit(*grid, 6, {"Delay", "Delay", "00H_ 50-53H"}, 2);
        spin = new IntSpinBinding(*this, {nullptr, "Weight", "20H_ 29H.0-3"}, nullptr, new QSpinBox(this), 0, 10);
        command = new CommandButtonBinding(*this, {"Fire", "Fire", "00H_ 16H.0"}, new QPushButton(this));
        gain = AddIntSlider(*grid, 7, {"Gain", "GainRaw", nullptr});
    }
    void InitControls() override { InitBindings(); }
    void RefreshFromCamera() override
    {
        for (FeatureBinding* binding :
             std::initializer_list<FeatureBinding*>{level, keep, first, byData, byIndex, available, delay, spin, gain})
            binding->Show();
    }

    IntSliderBinding* level;
    ValueComboBinding* keep;
    ValueComboBinding* first;
    EnumComboBinding* byData;
    EnumComboBinding* byIndex;
    EnumComboBinding* available;
    FloatEditBinding* delay;
    IntSpinBinding* spin;
    CommandButtonBinding* command;
    IntSliderBinding* gain;
};

void LoseFocus(QWidget* widget)
{
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &event);
}

void Type(QLineEdit* edit, const QString& text)
{
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

class BindingsTest : public ::testing::Test {
protected:
    BindingsTest()
    {
        level_ = camera_.AddInt("Level", 500, 8, 1000, 4);
        keep_ = camera_.AddEnum("Keep", Entries({"Off", "On"}), 1);
        first_ = camera_.AddEnum("First", Entries({"Off", "On"}), 1);
        source_ = camera_.AddEnum("Source", {{"Line0", 0, true}, {"Line2", 2, true}, {"Software", 7, true}}, 2);
        index_ = camera_.AddEnum("Index", {{"Off", 0, true}, {"Timed", 4, true}, {"Wide", 1, true}}, 0);
        available_ = camera_.AddEnum("Available", {{"A", 0, true}, {"B", 1, false}, {"C", 2, true}}, 2);
        delay_ = camera_.AddFloat("Delay", 1.5, 0.0, 10.0);
        weight_ = camera_.AddInt("Weight", 4, 0, 15);
        fire_ = camera_.AddCommand("Fire");
        OpenPage(page_, camera_);
    }

    QSlider* Slider() { return page_.level->Slider(); }
    QLineEdit* Edit() { return page_.level->Edit(); }

    TestCamera camera_;
    FakeInteger* level_;
    TestEnum* keep_;
    TestEnum* first_;
    TestEnum* source_;
    TestEnum* index_;
    TestEnum* available_;
    FakeFloat* delay_;
    FakeInteger* weight_;
    FakeCommand* fire_;
    TestPage page_;
};

} // namespace

TEST_F(BindingsTest, SliderShowsRangeIncrementAndValue)
{
    EXPECT_EQ(Slider()->minimum(), 8);
    EXPECT_EQ(Slider()->maximum(), 1000);
    EXPECT_EQ(Slider()->pageStep(), 4);
    EXPECT_EQ(Slider()->value(), 500);
    EXPECT_EQ(Edit()->text(), "500");
    EXPECT_EQ(page_.level->Remembered(), 500);
    EXPECT_EQ(page_.level->Label()->text(), "Level");
    EXPECT_EQ(page_.level->Label()->toolTip(), "20H_ 21H");
}

TEST_F(BindingsTest, TypedNumbersAreClampedAndRoundedDownToTheIncrement)
{
    Type(Edit(), "1005");
    EXPECT_EQ(level_->value, 1000);
    Type(Edit(), "999");
    EXPECT_EQ(level_->value, 996);
    EXPECT_EQ(Edit()->text(), "996");
    EXPECT_EQ(Slider()->value(), 996);
    // Text without a number counts as 0, which the range makes the minimum.
    Type(Edit(), "text");
    EXPECT_EQ(level_->value, 8);
    EXPECT_EQ(Edit()->text(), "8");
    EXPECT_EQ(level_->writes, (std::vector<int64_t>{1000, 996, 8}));
}

TEST_F(BindingsTest, DraggedSliderWritesEveryPositionAndEndsShowingTheCamerasValue)
{
    for (int position : {501, 502, 503, 997})
        Slider()->setValue(position);
    EXPECT_EQ(level_->writes, (std::vector<int64_t>{500, 500, 500, 996}));
    EXPECT_EQ(Edit()->text(), "996");
    EXPECT_EQ(Slider()->value(), 996);
    EXPECT_EQ(page_.level->Remembered(), 996);

    // A refused write leaves the camera's value on show.
    level_->failWrite = true;
    Slider()->setValue(700);
    EXPECT_EQ(Edit()->text(), "996");
    EXPECT_EQ(Slider()->value(), 996);
}

TEST_F(BindingsTest, LeavingTheEditWithoutEnterDiscardsTheText)
{
    Edit()->setText("12");
    LoseFocus(Edit());
    EXPECT_EQ(Edit()->text(), "500");
    EXPECT_TRUE(level_->writes.empty());
}

TEST_F(BindingsTest, UnreadableValueIsRememberedAsMinusOne)
{
    level_->failRead = true;
    page_.level->Show();
    EXPECT_EQ(page_.level->Remembered(), -1);
    EXPECT_EQ(Edit()->text(), "500");
    EXPECT_EQ(page_.Remembered("Level"), -1);
    EXPECT_EQ(page_.Remembered("NoSuchFeature"), -1);
}

TEST_F(BindingsTest, ValueCombosSelectTheValueAsIndex)
{
    EXPECT_EQ(page_.keep->Combo()->count(), 2);
    EXPECT_EQ(page_.keep->Combo()->itemText(1), "ON");
    EXPECT_EQ(page_.keep->Combo()->currentIndex(), 1);

    keep_->failRead = true;
    first_->failRead = true;
    page_.RefreshFromCamera();
    EXPECT_EQ(page_.keep->Combo()->currentIndex(), 1);
    EXPECT_EQ(page_.keep->Remembered(), -1);
    EXPECT_EQ(page_.first->Combo()->currentIndex(), 0);
    EXPECT_EQ(page_.first->Remembered(), 0);
}

TEST_F(BindingsTest, ValueComboWritesTheIndexAndForgetsARefusedValue)
{
    int changes = 0;
    QObject::connect(page_.keep, &ValueComboBinding::changed, [&changes] { ++changes; });
    Choose(page_.keep->Combo(), 0);
    EXPECT_EQ(keep_->value, 0);
    EXPECT_EQ(page_.keep->Remembered(), 0);

    keep_->failWrite = true;
    Choose(page_.keep->Combo(), 1);
    EXPECT_EQ(keep_->value, 0);
    EXPECT_EQ(page_.keep->Remembered(), -1);
    EXPECT_EQ(changes, 2);
}

TEST_F(BindingsTest, EnumerationCombosListTheEntriesAndSelectByValue)
{
    QComboBox* combo = page_.byData->Combo();
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(2), "Software");
    EXPECT_EQ(combo->itemData(2).toLongLong(), 7);
    EXPECT_EQ(combo->currentIndex(), 1);

    // A value no item has selects the first.
    source_->value = 5;
    page_.byData->Show();
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(page_.byData->Remembered(), 5);

    // Only available entries, when asked.
    QComboBox* available = page_.available->Combo();
    ASSERT_EQ(available->count(), 2);
    EXPECT_EQ(available->itemText(1), "C");
    EXPECT_EQ(available->currentIndex(), 1);
}

TEST_F(BindingsTest, EnumerationCombosWriteItemDataOrIndex)
{
    Choose(page_.byData->Combo(), 2);
    EXPECT_EQ(source_->writes, (std::vector<int64_t>{7}));
    EXPECT_EQ(page_.byData->Remembered(), 7);

    // The index, not the item's value: choosing "Timed" (index 1, value 4)
    // writes 1, which is "Wide", and the combo shows the camera's choice.
    Choose(page_.byIndex->Combo(), 1);
    EXPECT_EQ(index_->writes, (std::vector<int64_t>{1}));
    EXPECT_EQ(page_.byIndex->Combo()->currentIndex(), 2);
    EXPECT_EQ(page_.byIndex->Remembered(), 1);
}

TEST_F(BindingsTest, MissingFeatureHidesItsEnumerationRow)
{
    EXPECT_FALSE(page_.available->Combo()->isHidden());
    TestCamera other;
    other.AddEnum("Available", Entries({"A"}), 0, SDK_VISIBILITY_INVISIBLE);
    TestPage page;
    OpenPage(page, other);
    EXPECT_TRUE(page.available->Combo()->isHidden());
    EXPECT_TRUE(page.available->Label()->isHidden());
    EXPECT_FALSE(page.byData->Combo()->isHidden());
}

TEST_F(BindingsTest, AStandardFeatureStandsInAndAMissingOneDisablesItsRow)
{
    // The camera has no GainRaw: the row stays disabled and says why.
    IntSliderBinding* row = page_.gain;
    row->SetEnabled(true);
    EXPECT_FALSE(row->IsOffered());
    EXPECT_FALSE(row->Slider()->isEnabled());
    EXPECT_FALSE(row->Edit()->isEnabled());
    EXPECT_EQ(row->Slider()->toolTip(), "This camera does not offer GainRaw.");

    // A standard camera's float Gain stands in, in hundredths for its range.
    FakeFloat* gain = camera_.AddFloat("Gain", 1.25, 0.0, 24.0);
    row->Show();
    EXPECT_EQ(row->Feature(), "Gain");
    EXPECT_TRUE(row->IsFloat());
    EXPECT_TRUE(row->Edit()->isEnabled());
    EXPECT_EQ(row->Edit()->text(), "1.25");
    EXPECT_EQ(row->Slider()->maximum(), 2400);
    row->Slider()->setValue(250);
    EXPECT_DOUBLE_EQ(gain->value, 2.5);
    EXPECT_TRUE(row->WriteNote().isEmpty());

    // Adjusted and refused writes say so.
    Type(row->Edit(), "30");
    EXPECT_DOUBLE_EQ(gain->value, 24.0);
    EXPECT_EQ(row->WriteNote(), "The camera set Gain to 24.00 instead of 30.00.");
    level_->failWrite = true;
    Type(Edit(), "600");
    EXPECT_EQ(page_.level->WriteNote(), "The camera refused 600 for Level.");
}

TEST_F(BindingsTest, FloatEditShowsTwoDecimalsAndWritesClamped)
{
    QLineEdit* edit = page_.delay->Edit();
    EXPECT_EQ(edit->text(), "1.50");
    EXPECT_DOUBLE_EQ(page_.RememberedFloat("Delay"), 1.5);
    Type(edit, "2.345");
    EXPECT_DOUBLE_EQ(delay_->value, 2.345);
    EXPECT_EQ(edit->text(), "2.35");
    Type(edit, "12.5");
    EXPECT_DOUBLE_EQ(delay_->value, 10.0);
    Type(edit, "-");
    EXPECT_DOUBLE_EQ(delay_->value, 0.0);
    EXPECT_EQ(edit->text(), "0.00");
    edit->setText("7");
    LoseFocus(edit);
    EXPECT_EQ(edit->text(), "0.00");
}

TEST_F(BindingsTest, SpinWritesStepsAndPutsTheRememberedValueBackWhenLeft)
{
    QSpinBox* spin = page_.spin->Spin();
    EXPECT_EQ(spin->minimum(), 0);
    EXPECT_EQ(spin->maximum(), 15);
    EXPECT_EQ(spin->value(), 4);
    EXPECT_EQ(spin->toolTip(), "20H_ 29H.0-3");
    spin->stepBy(1);
    EXPECT_EQ(weight_->value, 5);
    // Typed numbers are held to the spin's range.
    spin->setValue(99);
    EXPECT_EQ(weight_->value, 15);

    QLineEdit* text = spin->findChild<QLineEdit*>();
    ASSERT_NE(text, nullptr);
    text->setText("3");
    LoseFocus(spin);
    EXPECT_EQ(spin->value(), 15);
    EXPECT_EQ(weight_->value, 15);
}

TEST_F(BindingsTest, SpinFallsBackToItsOwnRange)
{
    weight_->failRange = true;
    page_.spin->Show();
    EXPECT_EQ(page_.spin->Spin()->maximum(), 10);
}

TEST_F(BindingsTest, CommandButtonExecutesTheCommand)
{
    QPushButton* button = page_.command->Button();
    EXPECT_EQ(button->text(), "Fire");
    EXPECT_EQ(button->toolTip(), "00H_ 16H.0");
    bool executed = false;
    QObject::connect(page_.command, &CommandButtonBinding::executed, [&executed](bool ok) { executed = ok; });
    button->click();
    EXPECT_EQ(fire_->executed, 1);
    EXPECT_TRUE(executed);
}

TEST_F(BindingsTest, RowEnablingCoversLabelWidgetsAndCompanions)
{
    page_.level->SetEnabled(false);
    EXPECT_FALSE(page_.level->Label()->isEnabled());
    EXPECT_FALSE(Slider()->isEnabled());
    EXPECT_FALSE(Edit()->isEnabled());
    for (QLabel* label : page_.findChildren<QLabel*>()) {
        if (label->text() == "[uSec]") {
            EXPECT_FALSE(label->isEnabled());
        }
    }
}

TEST_F(BindingsTest, WithoutACameraNothingIsReadOrWritten)
{
    camera_.Host().connected = false;
    level_->value = 700;
    page_.RefreshFromCamera();
    EXPECT_EQ(Edit()->text(), "500");
    EXPECT_EQ(page_.level->Remembered(), 500);
    Slider()->setValue(100);
    EXPECT_EQ(level_->value, 700);
}

TEST_F(BindingsTest, PreviewStopsAroundALockedChangeAndRestartsAfterAPause)
{
    TestHost& host = camera_.Host();
    host.previewing = true;
    std::vector<std::string> seen;
    QElapsedTimer clock;
    clock.start();
    qint64 changedAt = 0;
    page_.RunWithPreviewStopped([&] {
        seen = host.calls;
        changedAt = clock.elapsed();
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"stop"}));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"stop", "start"}));
    EXPECT_GE(clock.elapsed() - changedAt, 10);

    // Not previewing: the change alone, nothing restarted.
    host.previewing = false;
    host.calls.clear();
    bool changed = false;
    page_.RunWithPreviewStopped([&] { changed = true; });
    EXPECT_TRUE(changed);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"stop"}));
}

TEST_F(BindingsTest, PreviewWaitsAfterTheStopWhenAsked)
{
    camera_.Host().previewing = true;
    QElapsedTimer clock;
    clock.start();
    qint64 changedAt = 0;
    page_.RunWithPreviewStopped([&] { changedAt = clock.elapsed(); }, std::chrono::milliseconds(100));
    EXPECT_GE(changedAt, 100);
}
