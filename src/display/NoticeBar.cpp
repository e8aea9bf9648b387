#include "display/NoticeBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace {
// Amber for a loss, pale green for news that all is well again: told apart at
// a glance across a control room.
const QColor kWarningBackground(255, 214, 102);
const QColor kInformationBackground(198, 239, 206);
const QColor kNoticeText(0, 0, 0);
} // namespace

NoticeBar::NoticeBar(QWidget* parent)
    : QFrame(parent),
      label_(new QLabel(this)),
      dismiss_(new QPushButton(tr("Dismiss"), this))
{
    setObjectName(QStringLiteral("NoticeBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    label_->setWordWrap(true);
    label_->setTextFormat(Qt::PlainText);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 4, 4);
    layout->addWidget(label_, 1);
    layout->addWidget(dismiss_, 0, Qt::AlignTop);
    connect(dismiss_, &QPushButton::clicked, this, &NoticeBar::Dismiss);
    hide();
}

void NoticeBar::ShowNotice(const QString& text, Kind kind)
{
    kind_ = kind;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kind == Kind::Warning ? kWarningBackground : kInformationBackground);
    colours.setColor(QPalette::WindowText, kNoticeText);
    setPalette(colours);
    label_->setText(text);
    if (!isHidden()) {
        // A longer text may wrap onto another line.
        emit shownChanged();
        return;
    }
    show();
    emit shownChanged();
}

void NoticeBar::Dismiss()
{
    if (isHidden())
        return;
    hide();
    emit shownChanged();
}

QString NoticeBar::Text() const
{
    return label_->text();
}

int NoticeBar::TakenHeight() const
{
    if (isHidden())
        return 0;
    // The height the text needs at its window's width.
    const int needed = parentWidget() ? heightForWidth(parentWidget()->width()) : -1;
    return needed > 0 ? needed : sizeHint().height();
}
