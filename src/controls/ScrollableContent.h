#pragma once

class QWidget;

// Puts content into dialog as its only child, inside a frameless scroll area,
// so that the window may be made smaller than its content, which then scrolls.
void SetScrollableContent(QWidget& dialog, QWidget* content);

// Sizes a dialog set up by SetScrollableContent to show all of its content
// where the screen allows. Call it when the dialog is first shown: only then
// are the content's widgets polished and filled, and measured right.
void FitToScrollableContent(QWidget& dialog);
