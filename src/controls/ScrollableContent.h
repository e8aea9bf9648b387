#pragma once

class QWidget;

// Puts content into dialog as its only child, inside a frameless scroll area,
// so that the window may be made smaller than its content, which then scrolls,
// and sizes the dialog to show all of it where the screen allows. Call it
// once the content is complete: its size is measured here.
void SetScrollableContent(QWidget& dialog, QWidget* content);
