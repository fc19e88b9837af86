#pragma once
// The program's message box for a tabular message (MessageRequest::tabular): each line's label
// and value in a grid, so the values line up whatever the labels' lengths, and a value longer
// than the box shortened in its middle ("/home/user/…/roms"), the whole value as its tip.
#include "platform/MessageBox.h"

#include <QDialog>

namespace velmora::platform {

class TableMessageDialog : public QDialog
{
    Q_OBJECT
public:
    // The widest a value is shown, in average character widths.
    static constexpr int kWidestValueChars = 60;

    explicit TableMessageDialog(const MessageRequest& request, QWidget* parent = nullptr);
};

} // namespace velmora::platform
