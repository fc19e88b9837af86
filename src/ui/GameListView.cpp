#include "ui/GameListView.h"

#include "ui/RomStateDelegate.h"
#include "ui/StarField.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionHeader>
#include <utility>

namespace velmora {
namespace {

constexpr int kHundredthsMmPerInch = 2540;
// A column from its content is at most this many average characters wide: the rare very long
// manufacturer or category is cut rather than pushing every other column out of sight.
constexpr int kWidestContentChars = 40;
// Pixels beyond the measured text, so that rounding never makes the list cut a word.
constexpr int kSpareWidth = 4;
// The Roms column's icon and the gap after it.
constexpr int kRomIconRoom = 24;

const char* objectNameOf(ListKind kind)
{
    switch (kind) {
    case ListKind::Installed:
        return "lvInstalled";
    case ListKind::Uninstalled:
        return "lvUninstalled";
    case ListKind::All:
        break;
    }
    return "lvAll";
}

Qt::SortOrder toQt(int sortOrder)
{
    return sortOrder == 1 ? Qt::DescendingOrder : Qt::AscendingOrder;
}

// The stored sort order (and the arrow's image) of a Qt order: 0 ascending, 1 descending.
int toImage(Qt::SortOrder order)
{
    return order == Qt::DescendingOrder ? 1 : 0;
}

} // namespace

void SetSortArrow(QTreeView* list, int column, int image, bool show)
{
    QHeaderView* header = list->header();
    if (show) {
        header->setSortIndicator(column, image == 1 ? Qt::DescendingOrder : Qt::AscendingOrder);
        header->setSortIndicatorShown(true);
    } else if (header->sortIndicatorSection() == column) {
        header->setSortIndicatorShown(false);
    }
}

GameListView::GameListView(ListKind kind, ListViewState* state, QWidget* parent)
    : QTreeView(parent), m_kind(kind), m_state(state), m_model(new GameListModel(this)),
      m_filter(new GameSearchFilter(m_model, this))
{
    setObjectName(QLatin1String(objectNameOf(kind)));
    setModel(m_filter);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideRight);
    setSortingEnabled(false);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    header()->setSortIndicatorShown(false);
    connect(header(), &QHeaderView::sectionClicked, this, &GameListView::sortByColumnClick);
    connect(header(), &QHeaderView::sectionResized, this,
            [this](int column, int, int newWidth) { onSectionResized(column, newWidth); });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { onCurrentRowChanged(current); });
    setItemDelegateForColumn(GameListModel::Roms, new RomStateDelegate(this));
    setOptionalColumns(true, true);
}

QModelIndex GameListView::indexOfRow(int row) const
{
    return m_filter->mapFromSource(m_model->index(row, 0));
}

int GameListView::modelRow(const QModelIndex& index) const
{
    return index.isValid() ? m_filter->mapToSource(index).row() : -1;
}

void GameListView::setSearchMatches(std::shared_ptr<const std::vector<char>> matches)
{
    m_filter->setMatches(std::move(matches));
}

bool GameListView::isShown(int row) const
{
    return row >= 0 && row < count() && indexOfRow(row).isValid();
}

int GameListView::firstShownRow() const
{
    return m_filter->rowCount() > 0 ? modelRow(m_filter->index(0, 0)) : -1;
}

int GameListView::designedWidth(int column) const
{
    const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    return GameListModel::designWidth(column) * dpi / kHundredthsMmPerInch;
}

void GameListView::setOptionalColumns(bool categories, bool players)
{
    m_fitting = true;
    for (int c = 0; c < GameListModel::ColumnCount; ++c)
        setColumnWidth(c, designedWidth(c));
    for (int c = 0; c < GameListModel::ColumnCount; ++c)
        setColumnHidden(c, GameListModel::isNeverShown(c));
    setColumnHidden(GameListModel::Category, !categories);
    setColumnHidden(GameListModel::Players, !players);
    m_fitting = false;
    applyColumnWidths();
}

void GameListView::fitColumns(const std::vector<QStringList>& widest,
                              const ColumnWidths& userWidths)
{
    m_widest = widest;
    m_userWidths = userWidths;
    applyColumnWidths();
}

void GameListView::setUserColumnWidth(int column, int width)
{
    m_userWidths.insert(GameListModel::header(column), width);
    applyColumnWidths();
}

void GameListView::applyColumnWidths()
{
    m_fitting = true;
    for (int c = 0; c < GameListModel::ColumnCount; ++c) {
        if (c == GameListModel::Game || isColumnHidden(c))
            continue;
        const int user = m_userWidths.value(GameListModel::header(c));
        if (user > 0)
            setColumnWidth(c, user);
        else if (size_t(c) < m_widest.size())
            setColumnWidth(c, contentWidth(c));
    }
    m_fitting = false;
    fillGameColumn();
}

// Game takes the width the other columns leave, but never less than its designed width (the
// list scrolls sideways instead).
void GameListView::fillGameColumn()
{
    const int game = GameListModel::Game;
    const int user = m_userWidths.value(GameListModel::header(game));
    int width = user;
    if (user <= 0) {
        int others = 0;
        for (int c = 0; c < GameListModel::ColumnCount; ++c)
            if (c != game && !isColumnHidden(c))
                others += columnWidth(c);
        width = std::max(designedWidth(game), viewport()->width() - others);
    }
    if (width == columnWidth(game))
        return;
    m_fitting = true;
    setColumnWidth(game, width);
    m_fitting = false;
}

int GameListView::contentWidth(int column) const
{
    int widest = 0;
    for (const QString& text : m_widest[size_t(column)])
        widest = std::max(widest, cellWidth(text));
    const int most = fontMetrics().averageCharWidth() * kWidestContentChars;
    // The Roms column has room for its longest word and its icon before any audit fills it.
    if (column == GameListModel::Roms)
        widest =
            std::max(widest, cellWidth(QString::fromLatin1(romStateWord(RomState::BestAvailable))) +
                                 kRomIconRoom);
    return std::max(captionWidth(column), std::min(widest, most));
}

// The caption with room for the sort arrow, which any column may show.
int GameListView::captionWidth(int column) const
{
    QStyleOptionHeader option;
    option.initFrom(header());
    option.text = GameListModel::header(column);
    option.section = column;
    option.orientation = Qt::Horizontal;
    const QSize size =
        header()->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, {}, header());
    const int margin = header()->style()->pixelMetric(QStyle::PM_HeaderMargin, &option, header());
    return size.width() + size.height() + margin + kSpareWidth;
}

int GameListView::cellWidth(const QString& text) const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = text;
    return style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, {}, this).width() +
           kSpareWidth;
}

void GameListView::onSectionResized(int column, int newWidth)
{
    if (m_fitting || newWidth <= 0 || isColumnHidden(column))
        return;
    m_userWidths.insert(GameListModel::header(column), newWidth);
    emit columnSized(column, newWidth);
    if (column != GameListModel::Game)
        fillGameColumn();
}

void GameListView::showSortArrow()
{
    for (int c = 0; c < GameListModel::ColumnCount; ++c)
        if (c != m_state->sortKey)
            SetSortArrow(this, c, 0, false);
    SetSortArrow(this, m_state->sortKey, m_state->sortOrder, true);
}

void GameListView::applyStoredSort()
{
    if (m_state->sortKey < 0 || m_state->sortKey >= GameListModel::ColumnCount) {
        m_state->sortKey = 0;
        m_state->sortOrder = 0;
    }
    const Qt::SortOrder order = toQt(m_state->sortOrder);
    if (m_model->sortColumn() != m_state->sortKey || m_model->sortOrder() != order)
        m_model->sort(m_state->sortKey, order);
    showSortArrow();
}

void GameListView::playHistoryChanged()
{
    m_model->playHistoryChanged();
    // A sort by a play column may have moved the selected game: its row is stored anew.
    const int row = selectedRow();
    if (row >= 0 && GameListModel::isPlayColumn(m_model->sortColumn())) {
        m_state->index = row + 1;
        scrollTo(indexOfRow(row), QAbstractItemView::EnsureVisible);
    }
}

void GameListView::sortByColumnClick(int column)
{
    if (count() <= 1) {
        // The header moved its arrow on the click; a list of one game keeps its sort.
        if (count() == 1)
            showSortArrow();
        else
            header()->setSortIndicatorShown(false);
        return;
    }
    if (column == m_state->sortKey)
        m_state->sortOrder = m_state->sortOrder == 0 ? 1 : 0;
    else
        m_state->sortOrder = toImage(GameListModel::firstSortOrder(column));
    m_state->sortKey = column;
    m_model->sort(column, toQt(m_state->sortOrder));
    showSortArrow();
    const int row = selectedRow();
    if (row >= 0) {
        scrollTo(indexOfRow(row), QAbstractItemView::EnsureVisible);
        m_state->index = row + 1;
    }
    viewport()->update();
}

void GameListView::selectRowQuietly(int row)
{
    const QModelIndex index = row >= 0 && row < count() ? indexOfRow(row) : QModelIndex();
    if (!index.isValid())
        return;
    m_quiet = true;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    m_quiet = false;
    scrollTo(index, QAbstractItemView::EnsureVisible);
}

// In a list of single selection the current row is the selected one (a click makes a row current
// before it marks it selected).
int GameListView::selectedRow() const
{
    return modelRow(selectionModel()->currentIndex());
}

void GameListView::onCurrentRowChanged(const QModelIndex& current)
{
    if (m_quiet || !current.isValid())
        return;
    const int row = modelRow(current);
    m_state->index = row + 1;
    emit rowSelected(row);
}

void GameListView::mousePressEvent(QMouseEvent* event)
{
    // The Uninstalled list has no right-click menu, and a right click there selects nothing.
    if (event->button() == Qt::RightButton && m_kind == ListKind::Uninstalled) {
        event->accept();
        return;
    }
    const int row = modelRow(indexAt(event->position().toPoint()));
    m_pressedSelectedRow =
        event->button() == Qt::LeftButton && row >= 0 && row == selectedRow() ? row : -1;
    QTreeView::mousePressEvent(event);
}

void GameListView::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        // A click on the row already selected shows it again, as a click on another row does.
        const int row = modelRow(indexAt(event->position().toPoint()));
        const int pressed = std::exchange(m_pressedSelectedRow, -1);
        if (row >= 0 && row == pressed && pressed == selectedRow())
            emit rowSelected(pressed);
        return;
    }
    if (event->button() != Qt::RightButton || m_kind == ListKind::Uninstalled)
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid())
        return;
    if (modelRow(index) != selectedRow())
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
    emit rowContextRequested(modelRow(index), event->globalPosition().toPoint());
}

void GameListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeView::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid())
        emit rowDoubleClicked(modelRow(index));
}

void GameListView::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && selectedRow() >= 0) {
        emit enterPressed();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void GameListView::setAppearance(bool starField, const QColor& background, const QColor& text,
                                 int pointSize)
{
    m_starField = starField;
    QPalette pal = palette();
    pal.setColor(QPalette::Base, background);
    pal.setColor(QPalette::Text, text);
    setPalette(pal);
    QFont f = font();
    if (pointSize > 0)
        f.setPointSize(pointSize);
    setFont(f);
    updateStarField();
}

void GameListView::updateStarField()
{
    QPalette pal = viewport()->palette();
    if (m_starField)
        pal.setBrush(QPalette::Base,
                     QBrush(starFieldPixmap(viewport()->size(), devicePixelRatioF())));
    else
        pal.setBrush(QPalette::Base, palette().brush(QPalette::Base));
    viewport()->setPalette(pal);
}

void GameListView::resizeEvent(QResizeEvent* event)
{
    QTreeView::resizeEvent(event);
    if (m_starField)
        updateStarField();
}

// The viewport narrows when the vertical scroll bar comes: Game gives up the room.
bool GameListView::viewportEvent(QEvent* event)
{
    const bool handled = QTreeView::viewportEvent(event);
    if (event->type() == QEvent::Resize)
        fillGameColumn();
    return handled;
}

// The star field stays put behind the rows: a scroll repaints the whole list instead of moving
// the pixels already drawn.
void GameListView::scrollContentsBy(int dx, int dy)
{
    QTreeView::scrollContentsBy(dx, dy);
    if (m_starField)
        viewport()->update();
}

} // namespace velmora
