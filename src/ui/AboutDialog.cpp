#include "ui/AboutDialog.h"

#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace verbalink {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About ") + productName());
    setWindowIcon(QIcon(QStringLiteral(":/icons/translation-on.svg")));

    auto* title = new QLabel(productName(), this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    auto* versionLabel = new QLabel(QStringLiteral("Version ") + version(), this);
    versionLabel->setAlignment(Qt::AlignCenter);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(versionLabel);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString AboutDialog::productName()
{
    return QStringLiteral("Verbalink for Skype");
}

QString AboutDialog::version()
{
    return QStringLiteral(VERBALINK_VERSION);
}

} // namespace verbalink
