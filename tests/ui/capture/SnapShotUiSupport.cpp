#include "SnapShotUiSupport.h"

#include "capturewindows/SnapShotList.h"

#include "SnapShotTestFrames.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>
#include <gtest/gtest.h>

void AddSnapShots(SnapShotList& list, int count, int width, int height)
{
    for (int i = 0; i < count; ++i) {
        const bool colour = i % 2 == 0;
        const TestFrame frame = colour ? ColourSnapShotFrame(width, height) : GreySnapShotFrame(width, height);
        ASSERT_EQ(list.Add(static_cast<uint32_t>(width), static_cast<uint32_t>(height), colour, frame.data.data()), 0);
    }
}

void SendWheel(QWidget* target, QPoint at, int angleDelta)
{
    QWheelEvent event(QPointF(at), QPointF(target->mapToGlobal(at)), QPoint(), QPoint(0, angleDelta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

void SendMouseMove(QWidget* target, QPoint at)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void SendClick(QWidget* target, QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    const QPointF global(target->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, button, button, modifiers);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, button, Qt::NoButton, modifiers);
    QApplication::sendEvent(target, &release);
}

void SendKey(QWidget* target, int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

QAction* FindAction(const QMenu& menu, const QString& text)
{
    for (QAction* action : menu.actions()) {
        if (action->text() == text)
            return action;
        if (action->menu())
            if (QAction* inner = FindAction(*action->menu(), text))
                return inner;
    }
    return nullptr;
}

void KeepScreenshot(const QImage& picture, const QString& name)
{
    const QString folder = qEnvironmentVariable("LUMIVEX_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    EXPECT_TRUE(picture.save(QDir(folder).filePath(name))) << name.toStdString();
}
