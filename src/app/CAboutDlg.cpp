#include "app/CAboutDlg.h"

#include "app/AboutText.h"
#include "app/ProductVersion.h"
#include "app/ShellIcons.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kIconPixels = 48;

} // namespace

CAboutDlg::CAboutDlg(const CameraAboutData& camera, QWidget* parent)
    : QDialog(parent),
      version_(new QLabel(this)),
      legalNotice_(new QLabel(this))
{
    const QString name = QCoreApplication::applicationName();
    setWindowTitle(tr("About %1").arg(name));
    version_->setText(AboutText(name, LumivexProductVersion(), camera));
    version_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    legalNotice_->setText(LegalNotice());

    auto* icon = new QLabel(this);
    icon->setPixmap(ApplicationIcon().pixmap(kIconPixels, kIconPixels));
    auto* texts = new QVBoxLayout;
    texts->addWidget(version_);
    texts->addWidget(legalNotice_);
    auto* body = new QHBoxLayout;
    body->addWidget(icon, 0, Qt::AlignTop);
    body->addLayout(texts);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);
}
