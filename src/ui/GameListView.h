#pragma once
// One of the three game list views (lvAll, lvInstalled, lvUninstalled): a report view over its
// GameListModel with its columns, the sort arrow in the header, and its view state (selected
// index, sort key and sort order) kept where the preferences keep it, so the orderly end writes
// what the user left.
#include "app/ListKind.h"
#include "app/Preferences.h"
#include "app/WindowLayout.h"
#include "lists/GameListModel.h"
#include "lists/GameSearch.h"

#include <QTreeView>

namespace velmora {

// Puts the sort arrow for `image` (0 ascending, 1 descending) into the header of `column`, or
// removes the arrow from that column.
void SetSortArrow(QTreeView* list, int column, int image, bool show);

class GameListView : public QTreeView
{
    Q_OBJECT
public:
    // `state` is the list's view state in the preferences; it must outlive the view.
    GameListView(ListKind kind, ListViewState* state, QWidget* parent = nullptr);

    ListKind kind() const { return m_kind; }
    GameListModel* gameModel() const { return m_model; }
    // Every game of the list, whether or not a search hides some.
    int count() const { return m_model->count(); }
    // The games a search leaves on show (all of them with no search).
    int shownCount() const { return m_filter->rowCount(); }
    // Narrows the rows to the matching games (null: every game). Rows everywhere else in this
    // interface are the model's rows, so nothing outside the view sees the narrowing.
    void setSearchMatches(std::shared_ptr<const std::vector<char>> matches);
    bool searching() const { return m_filter->searching(); }
    // The view's index of a model row (invalid while a search hides it).
    QModelIndex indexOfRow(int row) const;
    // Whether a row of the model is on show.
    bool isShown(int row) const;
    // The model row shown first, or -1.
    int firstShownRow() const;
    ListViewState& viewState() { return *m_state; }
    const ListViewState& viewState() const { return *m_state; }

    // Column widths from the design, the never-shown columns hidden, the optional ones by
    // whether their file exists.
    void setOptionalColumns(bool categories, bool players);
    // Widths from content: a column the user sized (`userWidths`, by caption) keeps that width;
    // any other is as wide as its widest text in `widest` (index = column, see widestTexts())
    // or its caption with the sort arrow; Game, unless sized, takes what the others leave.
    void fitColumns(const std::vector<QStringList>& widest, const ColumnWidths& userWidths);
    // The width the user gave a column in another of the three lists.
    void setUserColumnWidth(int column, int width);
    // Sorts by the stored key and order (when not already so) and shows the arrow.
    void applyStoredSort();
    // The header click: flips the order on the same column, sorts another ascending (a play
    // column most first); nothing with fewer than two games. Stores the new key, order and the
    // selected row's new index.
    void sortByColumnClick(int column);
    // A game's play was added or forgotten: the play columns show it, and a list sorted by one of
    // them is sorted again, its selection kept on its game.
    void playHistoryChanged();

    // Selects a row (0-based) without telling anybody, and scrolls it into view.
    void selectRowQuietly(int row);
    // The selected row, or -1.
    int selectedRow() const;

    // The list's background: the star field, or a plain colour; text colour and font size.
    void setAppearance(bool starField, const QColor& background, const QColor& text, int pointSize);

signals:
    // The user selected a row (click or keyboard), or clicked the row already selected.
    void rowSelected(int row);
    void rowDoubleClicked(int row);
    // Right button released over a row (already selected).
    void rowContextRequested(int row, const QPoint& globalPos);
    // Enter pressed in the list: the window's default button acts.
    void enterPressed();
    // The user gave a column a width (dragging or double-clicking its divider).
    void columnSized(int column, int width);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void onCurrentRowChanged(const QModelIndex& current);
    int modelRow(const QModelIndex& index) const;
    void showSortArrow();
    void updateStarField();
    // A column's designed width in pixels.
    int designedWidth(int column) const;
    void applyColumnWidths();
    void fillGameColumn();
    int contentWidth(int column) const;
    int captionWidth(int column) const;
    int cellWidth(const QString& text) const;
    void onSectionResized(int column, int newWidth);

    ListKind m_kind;
    ListViewState* m_state;
    GameListModel* m_model;
    GameSearchFilter* m_filter;
    bool m_quiet = false;
    int m_pressedSelectedRow = -1; // the row a left press found already selected
    bool m_starField = false;
    std::vector<QStringList> m_widest;
    ColumnWidths m_userWidths;
    bool m_fitting = false; // the view itself is setting widths: not the user's
};

} // namespace velmora
