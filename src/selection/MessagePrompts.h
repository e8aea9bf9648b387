#pragma once

#include <QString>

class QWidget;

// The message boxes and questions that the dialogs and the main window put to
// the user. The system's message boxes answer by default; tests put their own
// answers in.
class MessagePrompts {
public:
    enum class Icon { None, Information, Question, Exclamation };

    virtual ~MessagePrompts() = default;

    // A message with an OK button.
    virtual void Show(QWidget* parent, const QString& caption, const QString& text, Icon icon);
    // Yes and No; true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& caption, const QString& text);
    // OK and Cancel with the question icon; true for OK.
    virtual bool AskOkCancel(QWidget* parent, const QString& caption, const QString& text);

    // The system's message boxes.
    static MessagePrompts& System();
};
