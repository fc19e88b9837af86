#include "ui/ListFrame.h"

#include "ui/ClickableLabel.h"
#include "ui/GameListView.h"

#include <QLabel>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <algorithm>

namespace velmora {
namespace {

constexpr int kLeftMargin = 8;
constexpr int kBottomMargin = 8;
constexpr int kCaptionGap = 10;

int toTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

int toPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

QRect toPixels(const QRect& twips)
{
    return QRect(toPixels(twips.x()), toPixels(twips.y()), toPixels(twips.width()),
                 toPixels(twips.height()));
}

} // namespace

ListFrame::ListFrame(QWidget* parent) : QGroupBox(QStringLiteral("All Games"), parent)
{
    setObjectName(QStringLiteral("fraList"));
    m_listStack = new QStackedWidget(this);
    m_listStack->setObjectName(QStringLiteral("listStack"));

    auto* imgShots = new ClickableLabel(this);
    m_imgShots = imgShots;
    m_imgShots->setObjectName(QStringLiteral("imgShots"));
    m_imgShots->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_imgShots->hide();

    auto* lblShots =
        new ClickableLabel(QStringLiteral("THERE IS NO SCREEN SHOT FOR THIS GAME"), this);
    m_lblShots = lblShots;
    connect(imgShots, &ClickableLabel::clicked, this, &ListFrame::pictureClicked);
    connect(lblShots, &ClickableLabel::clicked, this, &ListFrame::pictureClicked);
    m_lblShots->setObjectName(QStringLiteral("lblShots"));
    m_lblShots->setAlignment(Qt::AlignCenter);
    m_lblShots->setWordWrap(true);
    m_lblShots->setFrameShape(QFrame::StyledPanel);
    QFont bold = m_lblShots->font();
    bold.setBold(true);
    m_lblShots->setFont(bold);
    m_lblShots->hide();

    m_lblFiltersApp = new QLabel(QStringLiteral("Filters Applied"), this);
    m_lblFiltersApp->setObjectName(QStringLiteral("lblFiltersApp"));
    m_lblFiltersApp->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    m_lblFiltersApp->hide();
}

void ListFrame::addList(GameListView* view)
{
    m_listStack->addWidget(view);
}

void ListFrame::setSearchBox(QWidget* box)
{
    m_searchBox = box;
    box->setParent(this);
    relayout();
}

void ListFrame::placeSearchBox()
{
    if (!m_searchBox)
        return;
    const int boxWidth = std::min(std::max(width() / 3, 160), 320);
    const int boxHeight = m_searchBox->sizeHint().height();
    m_searchBox->setGeometry(width() - boxWidth - kLeftMargin, 0, boxWidth, boxHeight);
}

void ListFrame::setShotsShown(bool shown)
{
    m_shotsShown = shown;
    if (!shown) {
        m_imgShots->hide();
        m_lblShots->hide();
    }
    relayout();
}

void ListFrame::showShot(const QPixmap& picture)
{
    m_picture = picture;
    m_hasPicture = !picture.isNull();
    m_imgShots->setVisible(m_shotsShown && m_hasPicture);
    m_lblShots->setVisible(m_shotsShown && !m_hasPicture);
    relayout();
}

void ListFrame::setMissingCaption(const QString& caption)
{
    m_lblShots->setText(caption);
}

void ListFrame::clearShot()
{
    m_picture = QPixmap();
    m_hasPicture = false;
    m_imgShots->clear();
    m_imgShots->hide();
    m_lblShots->hide();
}

void ListFrame::setCaption(const QString& caption, int filtersLeftTwips)
{
    setTitle(caption);
    m_filtersLeft = toPixels(filtersLeftTwips);
    placeFiltersLabel();
}

// Beside the caption: at the designed left edge, or further right when the caption's font needs
// more room.
void ListFrame::placeFiltersLabel()
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect caption =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    m_lblFiltersApp->adjustSize();
    const int left = std::max(m_filtersLeft, caption.right() + kCaptionGap);
    m_lblFiltersApp->move(left, caption.center().y() - m_lblFiltersApp->height() / 2);
}

QRect ListFrame::listRect() const
{
    const QRect inside = contentsRect();
    // Below the caption row, which the search box may make taller.
    const int top = m_searchBox ? std::max(inside.top(), m_searchBox->height() + 2) : inside.top();
    return QRect(kLeftMargin, top, width() - kLeftMargin, height() - top - kBottomMargin);
}

void ListFrame::relayout()
{
    placeSearchBox();
    QRect lists = listRect();
    if (m_shotsShown && m_placement) {
        m_shot = m_placement(toTwips(lists.height()), toTwips(width()));
        lists.setWidth(toPixels(listWidthBesideShot(toTwips(width()), m_shot.rect.width())));
        placeShot(lists);
    } else {
        lists.setWidth(toPixels(listWidthWithoutShot(toTwips(width()))));
    }
    m_listStack->setGeometry(lists);
    placeFiltersLabel();
    placeSearchBox();
}

void ListFrame::placeShot(const QRect& listArea)
{
    QRect area = toPixels(m_shot.rect);
    if (!m_shot.stretched) {
        m_imgShots->setPixmap(m_picture);
        m_imgShots->setGeometry(area);
        m_lblShots->setGeometry(area);
        return;
    }
    // The square lines up with the top of the lists; the picture keeps its aspect inside it,
    // scaled once to the screen's pixels so that it stays sharp on a high-density screen.
    area.moveTop(listArea.top());
    const QRect picture = fitPicture(m_picture.deviceIndependentSize().toSize(), area);
    const qreal ratio = devicePixelRatioF();
    QPixmap scaled;
    if (!m_picture.isNull() && !picture.isEmpty()) {
        scaled = m_picture.scaled(picture.size() * ratio, Qt::IgnoreAspectRatio,
                                  Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(ratio);
    }
    m_imgShots->setPixmap(scaled);
    m_imgShots->setGeometry(picture);
    m_lblShots->setGeometry(area);
}

void ListFrame::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    relayout();
}

} // namespace velmora
