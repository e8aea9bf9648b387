#include "controls/CFeaturesDlg.h"

#include "camera/CameraConnection.h"
#include "controls/ControlHost.h"
#include "controls/FeatureTree.h"
#include "sdk/SdkDevice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace {

// The pause between a change made with the preview stopped and its restart,
// as the control pages make it.
constexpr std::chrono::milliseconds kRestartPause(10);
constexpr int kNameColumnWidth = 260;
constexpr int kValueColumnWidth = 200;
constexpr int kRangeColumnWidth = 200;
constexpr QSize kInitialSize(820, 640);
constexpr int kFloatDigits = 10;

QString FromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

QString FloatText(double value)
{
    return QString::number(value, 'g', kFloatDigits);
}

// A row is shown when none of its ancestors is collapsed.
bool IsRowVisible(const QTreeWidgetItem* item)
{
    if (item->isHidden())
        return false;
    for (const QTreeWidgetItem* parent = item->parent(); parent; parent = parent->parent()) {
        if (parent->isHidden() || !parent->isExpanded())
            return false;
    }
    return true;
}

} // namespace

CFeaturesDlg::CFeaturesDlg(ControlHost& host, std::function<CameraConnection*()> camera, QWidget* parent)
    : QDialog(parent),
      host_(host),
      camera_(std::move(camera)),
      visibility_(new QComboBox(this)),
      search_(new QLineEdit(this)),
      tree_(new QTreeWidget(this)),
      details_(new QLabel(this)),
      message_(new QLabel(this))
{
    setWindowTitle(tr("Features"));
    setModal(false);
    resize(kInitialSize);

    visibility_->addItems({tr("Beginner"), tr("Expert"), tr("Guru")});
    visibility_->setObjectName(QStringLiteral("visibility"));
    search_->setObjectName(QStringLiteral("search"));
    search_->setPlaceholderText(tr("Search features"));
    search_->setClearButtonEnabled(true);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(new QLabel(tr("Visibility:"), this));
    filterRow->addWidget(visibility_);
    filterRow->addWidget(search_, 1);

    tree_->setColumnCount(kColumnCount);
    tree_->setHeaderLabels({tr("Feature"), tr("Value"), tr("Range"), tr("Access")});
    tree_->setColumnWidth(kNameColumn, kNameColumnWidth);
    tree_->setColumnWidth(kValueColumn, kValueColumnWidth);
    tree_->setColumnWidth(kRangeColumn, kRangeColumnWidth);
    tree_->setUniformRowHeights(true);
    details_->setWordWrap(true);
    details_->setObjectName(QStringLiteral("details"));
    message_->setWordWrap(true);
    message_->setObjectName(QStringLiteral("message"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(tree_, 1);
    layout->addWidget(details_);
    layout->addWidget(message_);
    layout->addWidget(buttons);

    connect(visibility_, &QComboBox::currentIndexChanged, this, &CFeaturesDlg::ApplyFilter);
    connect(search_, &QLineEdit::textChanged, this, &CFeaturesDlg::ApplyFilter);
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { ShowDetails(item); });
    connect(tree_, &QTreeWidget::itemExpanded, this, [this] { Refresh(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(&refreshTimer_, &QTimer::timeout, this, [this] { ReadRows(true); });
    connect(tree_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { ReadRows(true); });
    refreshTimer_.setInterval(kRefreshIntervalMs);
    Refresh();
}

CFeaturesDlg::~CFeaturesDlg() = default;

void CFeaturesDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Refresh();
    refreshTimer_.start();
}

void CFeaturesDlg::hideEvent(QHideEvent* event)
{
    refreshTimer_.stop();
    QDialog::hideEvent(event);
}

SdkGenParameterArray* CFeaturesDlg::Features() const
{
    CameraConnection* camera = camera_();
    return camera ? camera->Features() : nullptr;
}

QTreeWidgetItem* CFeaturesDlg::Item(const std::string& feature) const
{
    const auto found = items_.find(feature);
    return found != items_.end() ? found->second : nullptr;
}

QWidget* CFeaturesDlg::Editor(const std::string& feature) const
{
    QTreeWidgetItem* item = Item(feature);
    return item ? tree_->itemWidget(item, kValueColumn) : nullptr;
}

QString CFeaturesDlg::Message() const
{
    return message_->text();
}

void CFeaturesDlg::SetVisibilityLevel(int level)
{
    visibility_->setCurrentIndex(level);
}

void CFeaturesDlg::SetSearchText(const QString& text)
{
    search_->setText(text);
}

void CFeaturesDlg::Refresh()
{
    ReadRows(false);
}

void CFeaturesDlg::ReadRows(bool onScreenOnly)
{
    CameraConnection* camera = camera_();
    SdkGenParameterArray* features = Features();
    const uint32_t count = features ? features->GetCount() : 0;
    // A rebuild reads every row that is not hidden or collapsed.
    if (camera != builtFor_ || count != builtCount_)
        return Rebuild();
    if (!features)
        return;
    const QRect viewport = tree_->viewport()->rect();
    for (const auto& [name, item] : items_) {
        if (!IsRowVisible(item) || (onScreenOnly && !tree_->visualItemRect(item).intersects(viewport)))
            continue;
        if (SdkGenParameter* feature = features->Get(name))
            ShowValue(*item, *feature, false);
    }
}

void CFeaturesDlg::ShowWritten(const std::string& name)
{
    SdkGenParameterArray* features = Features();
    SdkGenParameter* feature = features ? features->Get(name) : nullptr;
    if (QTreeWidgetItem* item = Item(name); item && feature)
        ShowValue(*item, *feature, true);
    // A write may change other features' values and ranges.
    ReadRows(true);
}

void CFeaturesDlg::Rebuild()
{
    tree_->clear();
    items_.clear();
    units_.clear();
    CameraConnection* camera = camera_();
    SdkGenParameterArray* features = Features();
    builtFor_ = camera;
    builtCount_ = features ? features->GetCount() : 0;
    if (!camera || !features) {
        setWindowTitle(tr("Features"));
        details_->setText(tr("No camera is connected."));
        return;
    }
    setWindowTitle(
        tr("Features - %1(%2)").arg(FromStd(camera->Identity().model), FromStd(camera->Identity().macAddress)));
    details_->clear();
    const FeatureTreeNode root = BuildFeatureTree(camera->GetDevice().ReadFeatureCategories(), *features);
    for (const FeatureTreeNode& node : root.children)
        AddNode(node, nullptr, *camera);
    {
        const QSignalBlocker block(tree_);
        for (int i = 0; i < tree_->topLevelItemCount(); ++i)
            tree_->topLevelItem(i)->setExpanded(true);
    }
    ApplyFilter();
}

void CFeaturesDlg::AddNode(const FeatureTreeNode& node, QTreeWidgetItem* parent, CameraConnection& camera)
{
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
    item->setText(kNameColumn, FromStd(node.name));
    if (node.category) {
        QFont bold = item->font(kNameColumn);
        bold.setBold(true);
        item->setFont(kNameColumn, bold);
        for (const FeatureTreeNode& child : node.children)
            AddNode(child, item, camera);
        return;
    }
    SdkGenParameter* feature = camera.Features()->Get(node.name);
    const SdkFeatureNotes notes = camera.GetDevice().ReadFeatureNotes(node.name);
    items_[node.name] = item;
    units_[node.name] = FromStd(notes.unit);
    item->setToolTip(kNameColumn, FromStd(notes.description));
    tree_->setItemWidget(item, kValueColumn, MakeEditor(*feature));
}

QString CFeaturesDlg::Unit(const std::string& name) const
{
    const auto found = units_.find(name);
    return found != units_.end() ? found->second : QString();
}

QWidget* CFeaturesDlg::MakeEditor(SdkGenParameter& feature)
{
    const std::string& name = feature.GetName();
    QWidget* editor = nullptr;
    switch (feature.GetType()) {
    case SDK_GEN_INTEGER:
    case SDK_GEN_FLOAT:
    case SDK_GEN_STRING: {
        auto* edit = new QLineEdit;
        const SdkGenType type = feature.GetType();
        connect(edit, &QLineEdit::returnPressed, this, [this, name, edit, type] {
            if (type == SDK_GEN_INTEGER)
                WriteInteger(name, edit->text());
            else if (type == SDK_GEN_FLOAT)
                WriteFloat(name, edit->text());
            else {
                const std::string text = edit->text().toStdString();
                const SdkResult result =
                    Write(name, [&text](SdkGenParameter& f) { return static_cast<SdkGenString&>(f).SetValue(text); });
                ReportWrite(name, result, QLatin1Char('"') + edit->text() + QLatin1Char('"'));
            }
        });
        editor = edit;
        break;
    }
    case SDK_GEN_ENUM: {
        auto* combo = new QComboBox;
        connect(combo, &QComboBox::activated, this, [this, name, combo] {
            const std::string entry = combo->currentText().toStdString();
            const SdkResult result =
                Write(name, [&entry](SdkGenParameter& f) { return static_cast<SdkGenEnum&>(f).SetValue(entry); });
            ReportWrite(name, result, combo->currentText());
        });
        editor = combo;
        break;
    }
    case SDK_GEN_BOOLEAN: {
        auto* check = new QCheckBox;
        connect(check, &QCheckBox::clicked, this, [this, name](bool on) {
            const SdkResult result =
                Write(name, [on](SdkGenParameter& f) { return static_cast<SdkGenBoolean&>(f).SetValue(on); });
            ReportWrite(name, result, on ? tr("on") : tr("off"));
        });
        editor = check;
        break;
    }
    case SDK_GEN_COMMAND: {
        auto* button = new QPushButton(tr("Execute"));
        connect(button, &QPushButton::clicked, this, [this, name] {
            const SdkResult result =
                Write(name, [](SdkGenParameter& f) { return static_cast<SdkGenCommand&>(f).Execute(); });
            Report(result.IsOK()
                       ? tr("%1 executed.").arg(FromStd(name))
                       : tr("%1: the camera refused the command (%2).").arg(FromStd(name), FromStd(result.GetText())));
            ShowWritten(name);
        });
        editor = button;
        break;
    }
    }
    editor->setObjectName(QString::fromStdString(name));
    return editor;
}

void CFeaturesDlg::ShowValue(QTreeWidgetItem& item, SdkGenParameter& feature, bool written)
{
    const bool readable = feature.IsReadable();
    const bool writable = feature.IsWritable();
    item.setText(kAccessColumn, readable && writable ? tr("RW") : readable ? tr("RO") : writable ? tr("WO") : tr("NA"));
    QWidget* editor = tree_->itemWidget(&item, kValueColumn);
    // What the user is typing stays until the feature is written.
    if (!editor || (editor->hasFocus() && !written))
        return;
    const QString unit = Unit(feature.GetName());
    const QString unitSuffix = unit.isEmpty() ? QString() : QLatin1Char(' ') + unit;
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setEnabled(readable || writable);
        QString text;
        QString range;
        // A range whose minimum is above its maximum takes no value.
        bool rangeEmpty = false;
        if (auto* integer = dynamic_cast<SdkGenInteger*>(&feature)) {
            int64_t value = 0, min = 0, max = 0, increment = 1;
            if (readable && integer->GetValue(value).IsOK())
                text = QString::number(value);
            if (integer->GetMin(min).IsOK() && integer->GetMax(max).IsOK()) {
                range = QStringLiteral("%1 .. %2").arg(min).arg(max);
                rangeEmpty = min > max;
                if (integer->GetIncrement(increment).IsOK() && increment > 1)
                    range += tr(", step %1").arg(increment);
            }
        } else if (auto* real = dynamic_cast<SdkGenFloat*>(&feature)) {
            double value = 0.0, min = 0.0, max = 0.0;
            if (readable && real->GetValue(value).IsOK())
                text = FloatText(value);
            if (real->GetMin(min).IsOK() && real->GetMax(max).IsOK()) {
                range = QStringLiteral("%1 .. %2").arg(FloatText(min), FloatText(max));
                rangeEmpty = min > max;
            }
        } else if (auto* string = dynamic_cast<SdkGenString*>(&feature)) {
            std::string value;
            if (readable && string->GetValue(value).IsOK())
                text = FromStd(value);
        }
        edit->setReadOnly(!writable || rangeEmpty);
        if (edit->text() != text)
            edit->setText(text);
        item.setText(kRangeColumn, range.isEmpty() ? unit : range + unitSuffix);
        edit->setToolTip(unit);
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        auto& enumeration = static_cast<SdkGenEnum&>(feature);
        QStringList entries;
        uint32_t count = 0;
        if (enumeration.GetEntriesCount(count).IsOK()) {
            for (uint32_t i = 0; i < count; ++i) {
                SdkGenEnumEntry entry;
                if (enumeration.GetEntryByIndex(i, entry).IsOK() && entry.IsAvailable())
                    entries << FromStd(entry.GetName());
            }
        }
        std::string current;
        const bool known = readable && enumeration.GetValue(current).IsOK();
        const QSignalBlocker block(combo);
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        if (shown != entries) {
            combo->clear();
            combo->addItems(entries);
        }
        combo->setCurrentIndex(known ? combo->findText(FromStd(current)) : -1);
        combo->setEnabled(writable);
    } else if (auto* check = qobject_cast<QCheckBox*>(editor)) {
        bool on = false;
        const QSignalBlocker block(check);
        if (readable && static_cast<SdkGenBoolean&>(feature).GetValue(on).IsOK())
            check->setChecked(on);
        check->setEnabled(writable);
    } else {
        editor->setEnabled(writable);
    }
}

void CFeaturesDlg::ApplyFilter()
{
    SdkGenParameterArray* features = Features();
    const auto level = static_cast<SdkVisibility>(visibility_->currentIndex());
    const QString search = search_->text().trimmed();
    // Depth first: a category is shown when any row under it is.
    std::function<bool(QTreeWidgetItem*)> filter = [&](QTreeWidgetItem* item) {
        const std::string name = item->text(kNameColumn).toStdString();
        bool shown = false;
        if (items_.contains(name) && items_[name] == item) {
            SdkGenParameter* feature = features ? features->Get(name) : nullptr;
            shown = feature && feature->IsVisible(level) &&
                    (search.isEmpty() || item->text(kNameColumn).contains(search, Qt::CaseInsensitive));
        } else {
            for (int i = 0; i < item->childCount(); ++i)
                shown = filter(item->child(i)) || shown;
            if (!search.isEmpty() && shown)
                item->setExpanded(true);
        }
        item->setHidden(!shown);
        return shown;
    };
    {
        const QSignalBlocker block(tree_);
        for (int i = 0; i < tree_->topLevelItemCount(); ++i)
            filter(tree_->topLevelItem(i));
    }
    Refresh();
}

SdkResult CFeaturesDlg::Write(const std::string& name, const std::function<SdkResult(SdkGenParameter&)>& write)
{
    SdkGenParameterArray* features = Features();
    SdkGenParameter* feature = features ? features->Get(name) : nullptr;
    if (!feature)
        return SdkResult::NOT_FOUND;
    CameraConnection* camera = camera_();
    const bool locked = !feature->IsWritable() || camera->GetDevice().IsFeatureLocked(name);
    if (!locked)
        return write(*feature);
    // Locked while streaming: the camera takes it with the preview stopped.
    if (!host_.StopPreview())
        return feature->IsWritable() ? write(*feature) : SdkResult(SdkResult::STATE_ERROR);
    SdkResult result = feature->IsWritable() ? write(*feature) : SdkResult(SdkResult::STATE_ERROR);
    std::this_thread::sleep_for(kRestartPause);
    host_.StartPreview();
    return result;
}

void CFeaturesDlg::WriteInteger(const std::string& name, const QString& text)
{
    auto* feature = dynamic_cast<SdkGenInteger*>(Features() ? Features()->Get(name) : nullptr);
    bool number = false;
    const int64_t typed = text.trimmed().toLongLong(&number);
    if (!feature || !number) {
        Report(tr("%1: \"%2\" is not a whole number.").arg(FromStd(name), text));
        ShowWritten(name);
        return;
    }
    int64_t min = 0, max = 0, increment = 1;
    IntegerFit fit{typed, false, false};
    if (feature->GetMin(min).IsOK() && feature->GetMax(max).IsOK() && feature->GetIncrement(increment).IsOK()) {
        if (min > max)
            return ReportEmptyRange(name, QString::number(min), QString::number(max));
        fit = FitInteger(typed, min, max, increment);
    }
    const SdkResult result =
        Write(name, [&fit](SdkGenParameter& f) { return static_cast<SdkGenInteger&>(f).SetValue(fit.value); });
    const QString written = QString::number(fit.value);
    if (result.IsOK() && fit.clamped)
        return ReportAdjusted(name, tr("%1 is outside %2 .. %3").arg(typed).arg(min).arg(max), written);
    if (result.IsOK() && fit.rounded)
        return ReportAdjusted(
            name, tr("%1 is not a whole number of steps of %2 from %3").arg(typed).arg(increment).arg(min), written);
    ReportWrite(name, result, written);
}

void CFeaturesDlg::WriteFloat(const std::string& name, const QString& text)
{
    auto* feature = dynamic_cast<SdkGenFloat*>(Features() ? Features()->Get(name) : nullptr);
    bool number = false;
    const double typed = text.trimmed().toDouble(&number);
    // Qt reads "nan" and "inf" as numbers; no camera value is either.
    if (!feature || !number || !std::isfinite(typed)) {
        Report(tr("%1: \"%2\" is not a number.").arg(FromStd(name), text));
        ShowWritten(name);
        return;
    }
    double min = 0.0, max = 0.0;
    double value = typed;
    const bool ranged =
        feature->GetMin(min).IsOK() && feature->GetMax(max).IsOK() && std::isfinite(min) && std::isfinite(max);
    if (ranged && min > max)
        return ReportEmptyRange(name, FloatText(min), FloatText(max));
    if (ranged)
        value = std::clamp(typed, min, max);
    const SdkResult result =
        Write(name, [value](SdkGenParameter& f) { return static_cast<SdkGenFloat&>(f).SetValue(value); });
    const QString written = FloatText(value) + (Unit(name).isEmpty() ? QString() : QLatin1Char(' ') + Unit(name));
    if (result.IsOK() && value != typed)
        return ReportAdjusted(name, tr("%1 is outside %2 .. %3").arg(FloatText(typed), FloatText(min), FloatText(max)),
                              written);
    ReportWrite(name, result, written);
}

void CFeaturesDlg::Report(const QString& text)
{
    message_->setText(text);
}

void CFeaturesDlg::ReportWrite(const std::string& name, const SdkResult& result, const QString& value)
{
    Report(result.IsOK() ? tr("%1 set to %2.").arg(FromStd(name), value)
                         : tr("%1: the camera refused %2 (%3).").arg(FromStd(name), value, FromStd(result.GetText())));
    ShowWritten(name);
}

void CFeaturesDlg::ReportAdjusted(const std::string& name, const QString& reason, const QString& written)
{
    Report(tr("%1: %2; %3 was written.").arg(FromStd(name), reason, written));
    ShowWritten(name);
}

void CFeaturesDlg::ReportEmptyRange(const std::string& name, const QString& min, const QString& max)
{
    Report(tr("%1: the camera gives a minimum (%2) above the maximum (%3), so no value can be written.")
               .arg(FromStd(name), min, max));
    ShowWritten(name);
}

void CFeaturesDlg::ShowDetails(QTreeWidgetItem* item)
{
    SdkGenParameterArray* features = Features();
    SdkGenParameter* feature = item && features ? features->Get(item->text(kNameColumn).toStdString()) : nullptr;
    details_->setText(feature ? item->text(kNameColumn) + QStringLiteral(": ") + item->toolTip(kNameColumn)
                              : QString());
}
