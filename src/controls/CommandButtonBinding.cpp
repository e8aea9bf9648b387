#include "controls/CommandButtonBinding.h"

#include "camera/FeatureAccess.h"
#include "controls/BindingOwner.h"

#include <QPushButton>

CommandButtonBinding::CommandButtonBinding(BindingOwner& owner, const FeatureRow& row, QPushButton* button)
    : FeatureBinding(owner, FeatureRow{nullptr, row.feature, row.tooltip}, nullptr),
      button_(button),
      text_(row.label)
{
    AddCompanion(button_);
    connect(button_, &QPushButton::clicked, this, [this] {
        const bool done = ExecuteCommand(Features(), Feature());
        NoteWrite(done, button_->text(), QString());
        emit executed(done);
    });
}

void CommandButtonBinding::Init()
{
    FeatureBinding::Init();
    if (text_)
        button_->setText(Owner().Translate(text_));
}
