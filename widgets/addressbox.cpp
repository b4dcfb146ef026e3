#include "widgets/addressbox.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>
#include <QVBoxLayout>

#include "widgets/dialogtext.h"

namespace {

constexpr int AddressLines = 4;
constexpr int BoxWidth = 420;

} // namespace

AddressBox::AddressBox(const QString& address, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(DialogText::tr("Nuvari Arabic typing software"));
    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(iconSize));
    icon->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(DialogText::tr("No web browser could be opened. The address is:"), this);
    text->setObjectName(QStringLiteral("lbl_no_browser"));
    text->setWordWrap(true);
    addressView = new QPlainTextEdit(address, this);
    addressView->setObjectName(QStringLiteral("address"));
    addressView->setReadOnly(true);
    addressView->setWordWrapMode(QTextOption::WrapAnywhere);
    // An address reads left to right in either interface.
    addressView->setLayoutDirection(Qt::LeftToRight);
    addressView->setFixedHeight(addressView->fontMetrics().lineSpacing() * AddressLines
                                + 2 * addressView->frameWidth() + 8);
    addressView->selectAll();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* column = new QVBoxLayout;
    column->addWidget(text);
    column->addWidget(addressView);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addLayout(column, 1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(row);
    page->addWidget(buttons);
    setFixedWidth(parent ? qMin(BoxWidth, parent->window()->width()) : BoxWidth);
}
