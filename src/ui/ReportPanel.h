#pragma once
// The report panel of the main window (the frame fraVerify with the text box txtVerify, the button
// cmdGameList and the multi-role button cmdFind), as the audits, the mame.ini viewer and the other
// reports drive it. The controls are found by their object names under the main window, so the
// panel works with any window that has them; a missing control is skipped.
//
// The reports keep CR LF line ends (and lone CRs where the report is laid out with them); the
// text box shows each as one line break, and text() gives the lines back with CR LF.
#include <QString>

class QGroupBox;
class QPushButton;
class QTextEdit;
class QWidget;

namespace velmora {

// The roles of cmdFind, told by its caption.
enum class FindRole
{
    MameIni,     // "&Mame.Ini": the mame.ini viewer
    ListBadSets, // "&List Bad Sets"
    Print        // "&Print"
};

class ReportPanel
{
public:
    explicit ReportPanel(QWidget* window);

    QGroupBox* frame() const { return m_frame; }
    QTextEdit* textBox() const { return m_text; }
    QPushButton* findButton() const { return m_find; }
    QPushButton* gameListButton() const { return m_gameList; }

    // Enables the panel, disables the list frame, sets the caption and puts the panel in front of
    // the other panels.
    void bringToFront(const QString& caption);
    void setCaption(const QString& caption);

    void setText(const QString& text);
    QString text() const; // CR LF line ends
    // Makes `length` characters bold from `position` in the text as setText() was given it.
    void setBold(qsizetype position, qsizetype length);

    FindRole findRole() const;
    void setFindRole(FindRole role);
    void setFindEnabled(bool enabled);
    // Enables or disables cmdGameList and cmdExit together (they are off while MAME works).
    void setLeaveButtonsEnabled(bool enabled);
    void focusGameList();

private:
    QWidget* m_window;
    QGroupBox* m_frame = nullptr;
    QTextEdit* m_text = nullptr;
    QPushButton* m_find = nullptr;
    QPushButton* m_gameList = nullptr;
    QPushButton* m_exit = nullptr;
    QWidget* m_list = nullptr;
    QString m_given; // the text as setText() was given it, for setBold()'s positions
};

// Prints the text box's document on the default printer, 1000-twip margins, page by page. On
// failure the user reads "Unknown Printing Error.". Focus goes back to cmdGameList either way.
bool printReport(ReportPanel& panel);

} // namespace velmora
