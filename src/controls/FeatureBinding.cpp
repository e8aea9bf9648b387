#include "controls/FeatureBinding.h"

#include "camera/FeatureAccess.h"
#include "camerasettings/StandardFeatures.h"
#include "controls/BindingOwner.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QToolTip>

#include <algorithm>

namespace {

QString BindingText(const char* text)
{
    return QCoreApplication::translate("FeatureBinding", text);
}

} // namespace

QString EmptyRangeNote(const std::string& feature)
{
    return BindingText(QT_TRANSLATE_NOOP("FeatureBinding",
                                         "The camera gives %1 a minimum above its maximum: no value can be set."))
        .arg(QString::fromStdString(feature));
}

FeatureBinding::FeatureBinding(BindingOwner& owner, const FeatureRow& row, QLabel* label)
    : QObject(owner.BindingParent()),
      owner_(owner),
      ownFeature_(row.feature ? row.feature : ""),
      feature_(ownFeature_),
      labelText_(row.label),
      tooltip_(row.tooltip),
      label_(label)
{
    if (label_) {
        widgets_.push_back(label_);
        Track(label_);
    }
}

void FeatureBinding::Rebind(std::string feature, const char* tooltip)
{
    ownFeature_ = std::move(feature);
    feature_ = ownFeature_;
    tooltip_ = tooltip;
    Resolve();
}

void FeatureBinding::Init()
{
    if (label_ && labelText_)
        label_->setText(owner_.Translate(labelText_));
    Resolve();
}

void FeatureBinding::Show()
{
    Resolve();
    ShowValue();
}

void FeatureBinding::Resolve()
{
    SdkGenParameterArray* features = Features();
    Access access = Access::Unknown;
    if (features && !ownFeature_.empty()) {
        feature_ = ResolveFeatureName(features, ownFeature_);
        if (!IsFeatureAvailable(features, feature_))
            access = Access::Absent;
        else
            access = IsFeatureWritable(features, feature_) ? Access::Writable : Access::ReadOnly;
    }
    access_ = access;
    ApplyTooltip();
    ApplyEnabled();
}

void FeatureBinding::ApplyTooltip()
{
    if (widgets_.empty())
        return;
    QString note;
    if (access_ == Access::Absent)
        note = BindingText(QT_TRANSLATE_NOOP("FeatureBinding", "This camera does not offer %1."))
                   .arg(QString::fromStdString(ownFeature_));
    else if (access_ == Access::ReadOnly)
        note = BindingText(QT_TRANSLATE_NOOP("FeatureBinding", "%1 is read-only on this camera."))
                   .arg(QString::fromStdString(feature_));
    else if (rangeEmpty_)
        note = EmptyRangeNote(feature_);
    // Register texts are the same in every language; they describe the
    // program's own feature only.
    const bool own = feature_ == ownFeature_;
    const QString registers = tooltip_ && own ? QString::fromLatin1(tooltip_) : QString();
    for (size_t i = 0; i < widgets_.size(); ++i) {
        QString text = note;
        if (i == 0 && !registers.isEmpty())
            text = note.isEmpty() ? registers : registers + QLatin1Char('\n') + note;
        widgets_[i]->setToolTip(text);
    }
}

void FeatureBinding::SetRangeEmpty(bool empty)
{
    if (empty == rangeEmpty_)
        return;
    rangeEmpty_ = empty;
    ApplyTooltip();
    ApplyEnabled();
}

void FeatureBinding::SetEnabled(bool enabled)
{
    enabledWanted_ = enabled;
    ApplyEnabled();
}

void FeatureBinding::ApplyEnabled()
{
    const bool offered = access_ != Access::Absent;
    const bool writable = access_ != Access::Absent && access_ != Access::ReadOnly && !rangeEmpty_;
    for (QWidget* widget : widgets_) {
        // A read-only row keeps its label readable; its input widgets show
        // the value but take no input.
        const bool input = widget != label_;
        widget->setEnabled(enabledWanted_ && (input ? writable : offered));
    }
}

void FeatureBinding::SetVisible(bool visible)
{
    for (QWidget* widget : widgets_)
        widget->setVisible(visible);
}

void FeatureBinding::AddCompanion(QWidget* widget)
{
    widgets_.push_back(widget);
    Track(widget);
}

SdkGenParameterArray* FeatureBinding::Features() const
{
    return owner_.Features();
}

void FeatureBinding::NoteWrite(bool written, const QString& asked, const QString& shown)
{
    const QString name = QString::fromStdString(feature_);
    if (!written)
        writeNote_ = BindingText(QT_TRANSLATE_NOOP("FeatureBinding", "The camera refused %1 for %2.")).arg(asked, name);
    else if (!shown.isEmpty() && shown != asked)
        writeNote_ = BindingText(QT_TRANSLATE_NOOP("FeatureBinding", "The camera set %1 to %2 instead of %3."))
                         .arg(name, shown, asked);
    else
        writeNote_.clear();
    if (writeNote_.isEmpty() || widgets_.empty())
        return;
    QWidget* input = widgets_.size() > 1 && widgets_.front() == label_ ? widgets_[1] : widgets_.front();
    QToolTip::showText(input->mapToGlobal(QPoint(0, input->height())), writeNote_, input);
}

void FeatureBinding::Track(QWidget* widget)
{
    tracked_.emplace_back(widget, widget->metaObject());
}

bool FeatureBinding::WidgetsIntact() const
{
    // A widget in its destructor is of a base class by then.
    return std::all_of(tracked_.begin(), tracked_.end(),
                       [](const auto& widget) { return widget.first && widget.first->metaObject() == widget.second; });
}

void FeatureBinding::WatchFocusLoss(QWidget* edit)
{
    edit->installEventFilter(this);
}

bool FeatureBinding::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && WidgetsIntact())
        FocusLost();
    return QObject::eventFilter(watched, event);
}
