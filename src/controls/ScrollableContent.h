#pragma once

class QWidget;

// Puts content into dialog as its only child, inside a frameless scroll area,
// so that the window may be made smaller than its content, which then scrolls.
void SetScrollableContent(QWidget& dialog, QWidget* content);
