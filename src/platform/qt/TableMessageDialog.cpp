#include "platform/qt/TableMessageDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace velmora::platform {
namespace {

QStyle::StandardPixmap iconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Exclamation:
        return QStyle::SP_MessageBoxWarning;
    case MessageIcon::Critical:
        return QStyle::SP_MessageBoxCritical;
    case MessageIcon::Question:
        return QStyle::SP_MessageBoxQuestion;
    case MessageIcon::Information:
    case MessageIcon::None:
        break;
    }
    return QStyle::SP_MessageBoxInformation;
}

QLabel* valueLabel(const QString& value, QWidget* parent)
{
    auto* label = new QLabel(parent);
    const int widest =
        label->fontMetrics().averageCharWidth() * TableMessageDialog::kWidestValueChars;
    label->setText(label->fontMetrics().elidedText(value, Qt::ElideMiddle, widest));
    label->setToolTip(value);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

TableMessageDialog::TableMessageDialog(const MessageRequest& request, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("tableMessage"));
    setWindowTitle(request.title);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    QString text = request.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\r"));
    int row = 0;
    for (const QString& line : text.split(u'\r')) {
        const qsizetype tab = line.indexOf(u'\t');
        grid->addWidget(new QLabel(tab < 0 ? line : line.left(tab), this), row, 0);
        if (tab >= 0)
            grid->addWidget(valueLabel(line.mid(tab + 1), this), row, 1);
        ++row;
    }
    auto* icon = new QLabel(this);
    if (request.icon != MessageIcon::None) {
        const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        icon->setPixmap(style()->standardIcon(iconOf(request.icon)).pixmap(side, side));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* body = new QHBoxLayout;
    body->addWidget(icon, 0, Qt::AlignTop);
    body->addLayout(grid, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace velmora::platform
