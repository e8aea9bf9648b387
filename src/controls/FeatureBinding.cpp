#include "controls/FeatureBinding.h"

#include "controls/BindingOwner.h"

#include <QEvent>
#include <QLabel>

FeatureBinding::FeatureBinding(BindingOwner& owner, const FeatureRow& row, QLabel* label)
    : QObject(owner.BindingParent()), owner_(owner), feature_(row.feature ? row.feature : ""), labelText_(row.label),
      tooltip_(row.tooltip), label_(label)
{
    if (label_)
        widgets_.push_back(label_);
}

void FeatureBinding::Rebind(std::string feature, const char* tooltip)
{
    feature_ = std::move(feature);
    tooltip_ = tooltip;
    ApplyTooltip();
}

void FeatureBinding::Init()
{
    if (label_ && labelText_)
        label_->setText(owner_.Translate(labelText_));
    ApplyTooltip();
}

void FeatureBinding::ApplyTooltip()
{
    if (widgets_.empty())
        return;
    // Register texts are the same in every language.
    widgets_.front()->setToolTip(tooltip_ ? QString::fromLatin1(tooltip_) : QString());
}

void FeatureBinding::SetEnabled(bool enabled)
{
    for (QWidget* widget : widgets_)
        widget->setEnabled(enabled);
}

void FeatureBinding::SetVisible(bool visible)
{
    for (QWidget* widget : widgets_)
        widget->setVisible(visible);
}

void FeatureBinding::AddCompanion(QWidget* widget)
{
    widgets_.push_back(widget);
}

SdkGenParameterArray* FeatureBinding::Features() const
{
    return owner_.Features();
}

void FeatureBinding::WatchFocusLoss(QWidget* edit)
{
    edit->installEventFilter(this);
}

bool FeatureBinding::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut)
        FocusLost();
    return QObject::eventFilter(watched, event);
}
