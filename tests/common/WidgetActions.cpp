#include "WidgetActions.h"

#include <QComboBox>
#include <QDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr int kSettleMs = 50;

} // namespace

void Choose(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void SaveScreenshot(QWidget& widget, const char* name)
{
    const char* folder = std::getenv("LUMIVEX_SCREENSHOT_DIR");
    if (!folder)
        return;
    widget.show();
    QTest::qWait(kSettleMs);
    EXPECT_TRUE(widget.grab().save(QDir(folder).filePath(QString::fromLatin1(name) + ".png")));
}
