#pragma once
// The owner-drawn colour list: a drop-down whose entries show a swatch of their colour beside the
// name and carry the colour value. Used for the Options dialog's background colour and the
// gradient window's colour.
#include "app/ColorChoices.h"

#include <QComboBox>

namespace velmora {

class ColorComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ColorComboBox(QWidget* parent = nullptr);

    // Fills the list with the standard colours and the desktop's reported ones.
    void fillWithColorChoices();
    // The index of the first entry with this value, or -1.
    int findValue(qint32 value) const;
    qint32 valueAt(int index) const;
    qint32 currentValue() const { return valueAt(currentIndex()); }
};

} // namespace velmora
