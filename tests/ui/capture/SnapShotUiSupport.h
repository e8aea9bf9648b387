#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

class QAction;
class QMenu;
class QWidget;
class SnapShotList;

// Frames into the list: colour ones at even positions, grey at odd.
void AddSnapShots(SnapShotList& list, int count, int width, int height);

// Input as the window system delivers it, sent straight to the widget.
void SendWheel(QWidget* target, QPoint at, int angleDelta);
void SendMouseMove(QWidget* target, QPoint at);
void SendClick(QWidget* target, QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {});
void SendKey(QWidget* target, int key);

// The menu's action with that text, searching submenus; null when absent.
QAction* FindAction(const QMenu& menu, const QString& text);

// Saves the picture as name in the folder LUMIVEX_SCREENSHOT_DIR names, when set.
void KeepScreenshot(const QImage& picture, const QString& name);
