#pragma once

#include <QToolBar>

// The drawing toolbar of the main window. Key presses go on to the main
// window, so that its keys work while the toolbar has the focus.
class MainToolBar : public QToolBar {
    Q_OBJECT

public:
    using QToolBar::QToolBar;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
