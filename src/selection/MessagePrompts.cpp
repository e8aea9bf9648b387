#include "selection/MessagePrompts.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon BoxIcon(MessagePrompts::Icon icon)
{
    switch (icon) {
    case MessagePrompts::Icon::Information:
        return QMessageBox::Information;
    case MessagePrompts::Icon::Question:
        return QMessageBox::Question;
    case MessagePrompts::Icon::Exclamation:
        return QMessageBox::Warning;
    case MessagePrompts::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton Ask(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
                                QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void MessagePrompts::Show(QWidget* parent, const QString& caption, const QString& text, Icon icon)
{
    Ask(parent, BoxIcon(icon), caption, text, QMessageBox::Ok);
}

bool MessagePrompts::AskYesNo(QWidget* parent, const QString& caption, const QString& text)
{
    return Ask(parent, QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool MessagePrompts::AskOkCancel(QWidget* parent, const QString& caption, const QString& text)
{
    return Ask(parent, QMessageBox::Question, caption, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

MessagePrompts& MessagePrompts::System()
{
    static MessagePrompts prompts;
    return prompts;
}
