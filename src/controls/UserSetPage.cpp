#include "controls/UserSetPage.h"

#include "camera/FeatureAccess.h"
#include "controls/CommandButtonBinding.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const kSelector = "UserSetSelector";
const char* const kDefaultSelector = "UserSetDefaultSelector";
// Set 0 is the factory default, which cannot be overwritten.
constexpr int32_t kFactorySet = 0;

} // namespace

UserSetPage::UserSetPage(QWidget* parent) : SettingsPage(QT_TRANSLATE_NOOP("UserSetPage", "UserSet"), parent)
{
    auto* grid = new QGridLayout;
    // Both combos write the selected index, with the preview stopped.
    selector_ = AddEnumCombo(*grid, 0, {QT_TR_NOOP("UserSetSelector:"), kSelector, nullptr}, {});
    disconnect(selector_->Combo(), &QComboBox::activated, selector_, nullptr);
    connect(selector_->Combo(), &QComboBox::activated, this, &UserSetPage::OnSelectorChanged);

    loadLabel_ = new QLabel(tr("UserSetLoad:"), this);
    auto* loadButton = new QPushButton(this);
    loadButton->setObjectName(QStringLiteral("UserSetLoad"));
    load_ = new CommandButtonBinding(*this, {QT_TR_NOOP("Execute"), "UserSetLoad", nullptr}, loadButton);
    grid->addWidget(loadLabel_, 1, kLabelColumn);
    grid->addWidget(loadButton, 1, kControlColumn, Qt::AlignLeft);

    saveLabel_ = new QLabel(tr("UserSetSave:"), this);
    auto* saveButton = new QPushButton(this);
    saveButton->setObjectName(QStringLiteral("UserSetSave"));
    save_ = new CommandButtonBinding(*this, {QT_TR_NOOP("Execute"), "UserSetSave", nullptr}, saveButton);
    load_->AddCompanion(loadLabel_);
    save_->AddCompanion(saveLabel_);
    grid->addWidget(saveLabel_, 2, kLabelColumn);
    grid->addWidget(saveButton, 2, kControlColumn, Qt::AlignLeft);

    defaultSelector_ = AddEnumCombo(*grid, 3, {QT_TR_NOOP("UserSetDefaultSelector:"), kDefaultSelector, nullptr}, {});
    disconnect(defaultSelector_->Combo(), &QComboBox::activated, defaultSelector_, nullptr);
    connect(defaultSelector_->Combo(), &QComboBox::activated, this, &UserSetPage::OnDefaultSelectorChanged);
    grid->setColumnStretch(kExtraColumn, 1);

    // The buttons run their commands with the preview stopped, not on their
    // own click.
    for (CommandButtonBinding* command : {load_, save_}) {
        disconnect(command->Button(), &QPushButton::clicked, command, nullptr);
        connect(command->Button(), &QPushButton::clicked, this, [this, command] { Execute(command); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    // The labels and button texts never change: set them once.
    InitBindings();
}

void UserSetPage::RefreshFromCamera()
{
    if (Features()) {
        for (EnumComboBinding* combo : {selector_, defaultSelector_}) {
            combo->FillEntries();
            combo->Show();
        }
        load_->Show();
        save_->Show();
    }
    ApplyEnablingRules();
}

void UserSetPage::ApplyEnablingRules()
{
    const bool connected = Features() != nullptr;
    selector_->SetEnabled(connected);
    defaultSelector_->SetEnabled(connected);
    load_->SetEnabled(connected);
    const bool saveUsable = connected && selector_->Remembered() != kFactorySet;
    save_->SetEnabled(saveUsable);
}

void UserSetPage::OnSelectorChanged(int index)
{
    RunWithPreviewStopped([this, index] {
        WriteFeatureValue(Features(), kSelector, index);
        selector_->Show();
    });
    ApplyEnablingRules();
}

void UserSetPage::OnDefaultSelectorChanged(int index)
{
    RunWithPreviewStopped([this, index] {
        WriteFeatureValue(Features(), kDefaultSelector, index);
        defaultSelector_->Show();
    });
}

void UserSetPage::Execute(CommandButtonBinding* command)
{
    RunWithPreviewStopped([this, command] { ExecuteCommand(Features(), command->Feature()); });
}
