#include "selection/SdkDeviceFinderDialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

std::vector<SdkDiscoveryRecord> TwoCameras()
{
    return {SdkDiscoveryRecord("192.168.0.10", "00:11:22:33:44:55", "LX-100", "S1"),
            SdkDiscoveryRecord("192.168.0.11", "00:11:22:33:44:66", "LX-200", "S2")};
}

} // namespace

TEST(SdkDeviceFinderDialog, ListsAddressMacAndModelOfEachCamera)
{
    SdkDeviceFinderDialog dialog(TwoCameras());
    auto* list = dialog.findChild<QTreeWidget*>();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->columnCount(), 3);
    EXPECT_EQ(list->headerItem()->text(0), "IP Address");
    EXPECT_EQ(list->headerItem()->text(1), "MAC Address");
    EXPECT_EQ(list->headerItem()->text(2), "Model");
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(1)->text(0), "192.168.0.11");
    EXPECT_EQ(list->topLevelItem(1)->text(1), "00:11:22:33:44:66");
    EXPECT_EQ(list->topLevelItem(1)->text(2), "LX-200");
}

TEST(SdkDeviceFinderDialog, OkNeedsAHighlightedCameraWhichIsTheSelection)
{
    SdkDeviceFinderDialog dialog(TwoCameras());
    auto* list = dialog.findChild<QTreeWidget*>();
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_FALSE(dialog.Selected().has_value());

    list->topLevelItem(1)->setSelected(true);
    EXPECT_TRUE(ok->isEnabled());
    ASSERT_TRUE(dialog.Selected().has_value());
    EXPECT_EQ(dialog.Selected()->GetIPAddress(), "192.168.0.11");
    EXPECT_EQ(dialog.Selected()->GetSerialNumber(), "S2");

    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(SdkDeviceFinderDialog, AnEmptyListCanOnlyBeCancelled)
{
    SdkDeviceFinderDialog dialog({});
    QDialogButtonBox* buttons = dialog.findChild<QDialogButtonBox*>();
    EXPECT_FALSE(buttons->button(QDialogButtonBox::Ok)->isEnabled());
    buttons->button(QDialogButtonBox::Cancel)->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}
