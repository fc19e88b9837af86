#include "ui/ColorComboBox.h"

#include "ui/ColorValue.h"

#include <QPainter>
#include <QPixmap>

namespace velmora {
namespace {

QIcon swatch(const QColor& color, QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(color);
    p.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 1, -1, -2));
    return QIcon(pixmap);
}

} // namespace

ColorComboBox::ColorComboBox(QWidget* parent) : QComboBox(parent)
{
    setIconSize(QSize(28, 14));
    setMaxVisibleItems(16);
}

void ColorComboBox::fillWithColorChoices()
{
    clear();
    for (const ColorChoice& choice : colorChoices(reportedSystemColors()))
        addItem(swatch(colorFromValue(choice.value), iconSize()), choice.name, choice.value);
}

int ColorComboBox::findValue(qint32 value) const
{
    return findData(value);
}

qint32 ColorComboBox::valueAt(int index) const
{
    return itemData(index).value<qint32>();
}

} // namespace velmora
