#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

// A strip above a camera's image with news the user may read when it suits
// them: a text, a colour for its kind and a button that puts it away. It
// never waits for an answer; the window it sits in lays it out and makes
// room for it when it appears or goes.
class NoticeBar : public QFrame {
    Q_OBJECT

public:
    enum class Kind { Warning, Information };

    explicit NoticeBar(QWidget* parent);

    // Shows the text (replacing any shown) in the colours of kind.
    void ShowNotice(const QString& text, Kind kind);
    // Hides the strip, as its button does.
    void Dismiss();
    QString Text() const;
    Kind CurrentKind() const { return kind_; }
    QPushButton* DismissButton() const { return dismiss_; }
    // The height the strip takes from its window: 0 while hidden.
    int TakenHeight() const;

signals:
    // The strip appeared or went; its window lays itself out again.
    void shownChanged();

private:
    QLabel* label_;
    QPushButton* dismiss_;
    Kind kind_ = Kind::Warning;
};
