#include "camera/OverlayRegistry.h"
#include "display/CCallbackEnableDlg.h"
#include "imaging/OverlayPainterSet.h"

#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

QStringList Names(const QListWidget* list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

QPushButton* Button(const QDialog& dialog, const QString& text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

TEST(CallbackEnableDlg, SwitchesPaintersOnAndOffInOfferedOrder)
{
    OverlayRegistry registry;
    OverlayPainterSet set(registry, {});
    const auto offered = set.Offered();
    ASSERT_TRUE(EnablePainter(set.Fps()));

    CCallbackEnableDlg dialog({offered.begin(), offered.end()});
    EXPECT_EQ(dialog.windowTitle(), "Callback Functions");
    auto* enabled = dialog.findChild<QListWidget*>("enabledList");
    auto* disabled = dialog.findChild<QListWidget*>("disabledList");
    QPushButton* enable = Button(dialog, "<-Enable");
    QPushButton* disable = Button(dialog, "Disable->");
    ASSERT_TRUE(enabled && disabled && enable && disable && Button(dialog, "OK"));

    EXPECT_EQ(Names(enabled), QStringList({"FPS"}));
    EXPECT_EQ(Names(disabled), QStringList({"Grid", "Ellipse", "Logo", "Frames Received"}));
    EXPECT_EQ(disabled->currentRow(), 0);

    // The second switched-off painter is the Ellipse.
    disabled->setCurrentRow(1);
    enable->click();
    EXPECT_TRUE(set.Ellipse().IsEnabled());
    EXPECT_EQ(Names(enabled), QStringList({"Ellipse", "FPS"}));
    EXPECT_EQ(Names(disabled), QStringList({"Grid", "Logo", "Frames Received"}));

    // The second switched-on painter is the FPS.
    enabled->setCurrentRow(1);
    disable->click();
    EXPECT_FALSE(set.Fps().IsEnabled());
    EXPECT_EQ(set.Fps().Key(), 0u);
    EXPECT_EQ(Names(enabled), QStringList({"Ellipse"}));

    for (int i = 0; i < 4; ++i)
        enable->click();
    EXPECT_FALSE(enable->isEnabled());
    EXPECT_TRUE(disable->isEnabled());
    EXPECT_EQ(Names(enabled), QStringList({"Grid", "Ellipse", "FPS", "Logo", "Frames Received"}));
    for (int i = 0; i < 5; ++i)
        disable->click();
    EXPECT_TRUE(registry.IsEmpty());
    EXPECT_FALSE(disable->isEnabled());
}

} // namespace
