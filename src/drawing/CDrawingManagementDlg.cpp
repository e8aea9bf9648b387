#include "drawing/CDrawingManagementDlg.h"

#include "drawing/CDrawingTabGlobal.h"
#include "drawing/CDrawingTabGrid.h"
#include "drawing/CDrawingTabPen.h"
#include "drawing/CDrawingTabSize.h"
#include "drawing/CDrawingTabText.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* const kDrawingFileSuffix = "drw";
constexpr int kIconSize = 16;
constexpr int kListMinimumWidth = 160;

// An arrow along the list: up toward its start (drawn first), down toward
// its end (drawn on top); `all` adds a bar for "all the way".
QIcon OrderIcon(bool towardStart, bool all, const QColor& color)
{
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    if (!towardStart)
        painter.setTransform(QTransform(1, 0, 0, -1, 0, kIconSize));
    const QPolygonF arrow{{8, 4}, {14, 11}, {10, 11}, {10, 15}, {6, 15}, {6, 11}, {2, 11}};
    painter.drawPolygon(arrow);
    if (all)
        painter.drawRect(QRectF(2, 1, 12, 2));
    painter.end();
    return QIcon(pixmap);
}

QString ChooseDrawingFile(QWidget* parent, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters({CDrawingManagementDlg::tr("Draw File(*.drw)"), CDrawingManagementDlg::tr("All Files(*.*)")});
    dialog.setDefaultSuffix(QString::fromLatin1(kDrawingFileSuffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

CDrawingManagementDlg::CDrawingManagementDlg(CDrawingManagement& manager, QWidget* parent)
    : QDialog(parent),
      model_(manager),
      prompts_(StandardPrompts())
{
    setWindowTitle(tr("Draw Properties"));
    setModal(false);

    auto* listBox = new QGroupBox(tr("Draw List"), this);
    auto* listLayout = new QGridLayout(listBox);
    listLayout->addWidget(new QLabel(tr("Top"), listBox), 0, 0);
    list_ = new QListWidget(listBox);
    list_->setObjectName(QStringLiteral("drawList"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumWidth(kListMinimumWidth);
    listLayout->addWidget(list_, 1, 0);
    listLayout->addWidget(new QLabel(tr("Bottom"), listBox), 2, 0);
    BuildOrderButtons(listLayout);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("pages"));
    pages_ = {new CDrawingTabPen(*this), new CDrawingTabText(*this), new CDrawingTabSize(*this),
              new CDrawingTabGlobal(*this), new CDrawingTabGrid(*this)};
    for (CDrawingTabChildBase* page : pages_)
        tabs_->addTab(page, page->Caption());

    auto* top = new QHBoxLayout;
    top->addWidget(listBox);
    top->addWidget(tabs_, 1);

    setDefault_ = new QPushButton(tr("Set As Default Style"), this);
    setDefault_->setObjectName(QStringLiteral("setAsDefaultStyle"));
    auto* save = new QPushButton(tr("Save..."), this);
    save->setObjectName(QStringLiteral("save"));
    auto* load = new QPushButton(tr("Load..."), this);
    load->setObjectName(QStringLiteral("load"));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(setDefault_);
    buttons->addWidget(save);
    buttons->addWidget(load);
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    connect(list_, &QListWidget::currentRowChanged, this, &CDrawingManagementDlg::LineSelected);
    // A click on the line already shown still makes its object the only selected one.
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { LineSelected(list_->row(item)); });
    connect(setDefault_, &QPushButton::clicked, this, [this] { model_.SetAsDefaultStyle(); });
    connect(save, &QPushButton::clicked, this, &CDrawingManagementDlg::SaveClicked);
    connect(load, &QPushButton::clicked, this, &CDrawingManagementDlg::LoadClicked);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    ShowList();
    ShowState();
    tabs_->setCurrentIndex(0);
    // The pages never shrink below what their texts and lists need.
    tabs_->setMinimumSize(tabs_->sizeHint());
}

void CDrawingManagementDlg::BuildOrderButtons(QGridLayout* layout)
{
    struct OrderButton {
        const char* text;
        const char* name;
        ZOrderMove move;
        bool towardStart;
        bool all;
    };
    static const OrderButton kButtons[] = {
        {QT_TR_NOOP("Most Backward"), "mostBackward", ZOrderMove::MostBackward, true, true},
        {QT_TR_NOOP("Back"), "back", ZOrderMove::Back, true, false},
        {QT_TR_NOOP("Front"), "front", ZOrderMove::Front, false, false},
        {QT_TR_NOOP("Most Front"), "mostFront", ZOrderMove::MostFront, false, true},
    };
    auto* column = new QVBoxLayout;
    column->addStretch(1);
    const QColor iconColor = palette().color(QPalette::ButtonText);
    for (const OrderButton& entry : kButtons) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setIcon(OrderIcon(entry.towardStart, entry.all, iconColor));
        button->setToolTip(tr(entry.text));
        button->setAccessibleName(tr(entry.text));
        const ZOrderMove move = entry.move;
        connect(button, &QToolButton::clicked, this, [this, move] { Move(move); });
        column->addWidget(button);
        orderButtons_.push_back(button);
    }
    column->addStretch(1);
    layout->addLayout(column, 1, 1);
}

void CDrawingManagementDlg::SetInitialFileRegistrar(InitialFileRegistrar registrar)
{
    registrar_ = std::move(registrar);
}

void CDrawingManagementDlg::SetPrompts(Prompts prompts)
{
    prompts_ = std::move(prompts);
}

void CDrawingManagementDlg::Reload()
{
    model_.Reload();
    ShowList();
    ShowState();
}

CDrawingManagementDlg::Prompts CDrawingManagementDlg::StandardPrompts()
{
    Prompts prompts;
    prompts.chooseSaveFile = [](QWidget* parent) { return ChooseDrawingFile(parent, QFileDialog::AcceptSave); };
    prompts.chooseLoadFile = [](QWidget* parent) { return ChooseDrawingFile(parent, QFileDialog::AcceptOpen); };
    prompts.askYesNo = [](QWidget* parent, const QString& question) {
        return QMessageBox::question(parent, QGuiApplication::applicationDisplayName(), question,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    };
    prompts.showError = [](QWidget* parent, const QString& message) {
        QMessageBox::warning(parent, QGuiApplication::applicationDisplayName(), message);
    };
    return prompts;
}

const DrawingStyle& CDrawingManagementDlg::WorkingStyle() const
{
    return model_.Style();
}

const DrawingSettings& CDrawingManagementDlg::WorkingSettings() const
{
    return model_.Settings();
}

bool CDrawingManagementDlg::HasSelectedObject() const
{
    return model_.HasSelection();
}

bool CDrawingManagementDlg::DrawOnSnapshot() const
{
    return model_.DrawOnSnapshot();
}

void CDrawingManagementDlg::StyleEdited(const DrawingStyle& style)
{
    if (!model_.ApplyStyle(style))
        model_.Reload();
    ShowList();
    ShowState();
}

void CDrawingManagementDlg::SettingsEdited(const DrawingSettings& settings)
{
    model_.ApplySettings(settings);
    ShowState();
}

void CDrawingManagementDlg::DrawOnSnapshotEdited(bool on)
{
    model_.ApplyDrawOnSnapshot(on);
    ShowState();
}

void CDrawingManagementDlg::done(int result)
{
    QDialog::done(result);
    emit closed();
    deleteLater();
}

void CDrawingManagementDlg::ShowList()
{
    const QSignalBlocker blocker(list_);
    const QStringList& lines = model_.Lines();
    if (list_->count() != lines.size()) {
        list_->clear();
        list_->addItems(lines);
    } else {
        for (int i = 0; i < lines.size(); ++i) {
            if (list_->item(i)->text() != lines[i])
                list_->item(i)->setText(lines[i]);
        }
    }
    list_->setCurrentRow(model_.SelectedLine());
}

void CDrawingManagementDlg::ShowState()
{
    for (QToolButton* button : orderButtons_)
        button->setEnabled(model_.CanReorder());
    setDefault_->setEnabled(model_.CanSetDefaultStyle());
    for (CDrawingTabChildBase* page : pages_)
        page->Load();
}

void CDrawingManagementDlg::LineSelected(int line)
{
    model_.SelectLine(line);
    ShowList();
    ShowState();
}

void CDrawingManagementDlg::Move(ZOrderMove move)
{
    model_.Move(move);
    ShowList();
    ShowState();
}

void CDrawingManagementDlg::SaveClicked()
{
    const QString path = prompts_.chooseSaveFile(this);
    if (path.isEmpty())
        return;
    if (!model_.Save(path)) {
        prompts_.showError(this, tr("The drawing file could not be saved."));
        return;
    }
    if (!prompts_.askYesNo(this, tr("Do you want to register this file as initial setting file?")))
        return;
    model_.RegisterInitialFile(path);
    if (registrar_)
        registrar_(path);
}

void CDrawingManagementDlg::LoadClicked()
{
    const QString path = prompts_.chooseLoadFile(this);
    if (path.isEmpty())
        return;
    QString reason;
    const bool loaded = model_.Load(path, &reason);
    ShowList();
    ShowState();
    if (!loaded)
        prompts_.showError(this, tr("The drawing file could not be loaded.") + QLatin1Char('\n') + reason);
}
