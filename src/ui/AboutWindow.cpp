#include "ui/AboutWindow.h"

#include "app/MameVersion.h"
#include "app/Preferences.h"
#include "app/WebSite.h"
#include "platform/Seams.h"
#include "ui/ClickableLabel.h"
#include "ui/Pictures.h"
#include "ui/WaitCursor.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velmora {
namespace {

constexpr int kCabinetHeight = 150;
constexpr int kTitlePointSize = 26;
constexpr int kShadowOffset = 3;

const QString kTitle = QStringLiteral("Velmora");

struct ExtrasOption
{
    ExtrasKind kind;
    const char* name;
    const char* caption;
};

constexpr ExtrasOption kExtrasOptions[] = {
    {ExtrasKind::Artwork, "optArtwork", "Artwork"},
    {ExtrasKind::DATs, "optDATs", "DATs"},
    {ExtrasKind::Icons, "optIcons", "Icons"},
    {ExtrasKind::Samples, "optSamples", "Samples"},
};

template <typename T> T* named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

QFont AboutWindow::titleFont()
{
    QFont font = QApplication::font();
    if (QFontDatabase::families().contains(QStringLiteral("Pacmania")))
        font.setFamily(QStringLiteral("Pacmania"));
    else
        font.setBold(true);
    font.setPointSize(kTitlePointSize);
    return font;
}

AboutWindow::AboutWindow(AppState& state, Hooks hooks, QWidget* parent)
    : QDialog(parent), m_state(state), m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("frmMyAbout"));
    setWindowTitle(QStringLiteral("About Velmora"));

    auto* picture = named(new QLabel(this), "imgMachine");
    picture->setPixmap(cabinetPicture(kCabinetHeight, devicePixelRatioF()));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* right = new QVBoxLayout;
    right->addWidget(buildHeader());
    right->addWidget(buildVersionRow());
    m_chkOther = named(new QCheckBox(QStringLiteral("Other Extras"), this), "chkOther");
    right->addWidget(m_chkOther);
    right->addWidget(buildOtherExtras());
    m_cmdOK = named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
    m_cmdOK->setToolTip(QStringLiteral("Returns To Velmora"));
    m_cmdOK->setDefault(true);
    right->addWidget(m_cmdOK, 0, Qt::AlignRight);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picture);
    layout->addLayout(right, 1);

    connect(m_chkOther, &QCheckBox::clicked, this, &AboutWindow::chkOther_Click);
    connect(m_cmdOK, &QPushButton::clicked, this, &AboutWindow::cmdOK_Click);

    if (m_hooks.bannerRunning && m_hooks.bannerRunning()) {
        m_stoppedBanner = true;
        if (m_hooks.setBannerRunning)
            m_hooks.setBannerRunning(false);
        if (m_hooks.refreshScroll)
            m_hooks.refreshScroll();
    }
}

QWidget* AboutWindow::buildHeader()
{
    auto* header = new QWidget(this);
    auto* layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);

    // The title is drawn twice, a dark shadow under the coloured name.
    auto* title = new QWidget(header);
    const QFont font = titleFont();
    const QSize size = QFontMetrics(font).size(0, kTitle) + QSize(kShadowOffset, kShadowOffset);
    title->setFixedSize(size);
    auto* shadow = named(new QLabel(kTitle, title), "lblTitle");
    auto* front = named(new QLabel(kTitle, title), "lblTitle2");
    for (QLabel* label : {shadow, front}) {
        label->setFont(font);
        label->resize(size);
    }
    shadow->setStyleSheet(QStringLiteral("color: #202040;"));
    front->setStyleSheet(QStringLiteral("color: #e0b020;"));
    shadow->move(kShadowOffset, kShadowOffset);
    front->raise();
    layout->addWidget(title);

    layout->addWidget(
        named(new QLabel(QStringLiteral("Version ") + programVersion(), header), "lblVersion"));
    layout->addWidget(named(new QLabel(QStringLiteral("A front-end for the MAME arcade emulator, "
                                                      "written and drawn by the Velmora team."),
                                       header),
                            "lblCredits"));
    auto* url = new ClickableLabel(webSiteAddress(m_state.prefs), header);
    m_lblURL = named(url, "lblURL");
    m_lblURL->setToolTip(QStringLiteral("Click Here To Visit The Velmora Website"));
    m_lblURL->setCursor(Qt::PointingHandCursor);
    m_lblURL->setStyleSheet(QStringLiteral("color: #0000c0;"));
    m_lblURL->installEventFilter(this);
    connect(url, &ClickableLabel::clicked, this, &AboutWindow::lblURL_Click);
    layout->addWidget(m_lblURL);
    return header;
}

QWidget* AboutWindow::buildVersionRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_cmdVersion = named(new QPushButton(QStringLiteral("&M.A.M.E."), row), "cmdVersion");
    m_cmdVersion->setToolTip(QStringLiteral("Shows The Current Version Of M.A.M.E."));
    m_lblMAMEVersion = named(new QLabel(row), "lblMAMEVersion");
    layout->addWidget(m_cmdVersion);
    layout->addWidget(m_lblMAMEVersion, 1);
    connect(m_cmdVersion, &QPushButton::clicked, this, &AboutWindow::cmdVersion_Click);
    return row;
}

QGroupBox* AboutWindow::buildOtherExtras()
{
    m_fraOther = named(new QGroupBox(QStringLiteral("Other Extras"), this), "fraOther");
    auto* layout = new QVBoxLayout(m_fraOther);
    auto* options = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        const ExtrasOption& option = kExtrasOptions[i];
        m_opt[i] = named(new QRadioButton(QLatin1String(option.caption), m_fraOther), option.name);
        options->addWidget(m_opt[i]);
        const ExtrasKind kind = option.kind;
        connect(m_opt[i], &QRadioButton::clicked, this, [this, kind] { showExtras(kind); });
    }
    layout->addLayout(options);
    m_file1 = named(new QListWidget(m_fraOther), "File1");
    layout->addWidget(m_file1);
    connect(m_file1, &QListWidget::itemClicked, this, &AboutWindow::File1_Click);
    auto* total = new QHBoxLayout;
    total->addWidget(new QLabel(QStringLiteral("Total Files:"), m_fraOther));
    m_lblTotal = named(new QLabel(QStringLiteral("0"), m_fraOther), "lblTotal");
    total->addWidget(m_lblTotal, 1);
    layout->addLayout(total);
    m_fraOther->hide();
    return m_fraOther;
}

void AboutWindow::cmdVersion_Click()
{
    {
        WaitCursor wait;
        m_cmdOK->setEnabled(false);
        const QString mameFolder = m_state.prefs.folder(DataFolder::MAME);
        if (!QFileInfo(mameFolder + QStringLiteral("/mame")).isFile()) {
            m_lblMAMEVersion->setText(QStringLiteral("Cannot find mame!"));
        } else {
            const auto version = askMameVersion(m_state.paths, mameFolder);
            m_lblMAMEVersion->setText(
                version.value_or(QStringLiteral("M.A.M.E. did not report its version.")));
        }
        m_cmdVersion->setEnabled(false);
    }
    m_cmdOK->setEnabled(true);
    m_cmdOK->setFocus();
}

void AboutWindow::chkOther_Click()
{
    if (m_chkOther->isChecked()) {
        m_fraOther->show();
        m_opt[0]->setChecked(true);
        showExtras(ExtrasKind::Artwork);
        return;
    }
    m_fraOther->hide();
    m_lblMAMEVersion->clear();
    m_cmdVersion->setEnabled(true);
    // Without the lists the window takes its small size again.
    layout()->activate();
    adjustSize();
}

void AboutWindow::showExtras(ExtrasKind kind)
{
    m_extras = kind;
    m_opt[int(kind)]->setChecked(true);
    m_file1->clear();
    const ExtrasListing listing = listOtherExtras(kind, m_state.prefs);
    m_extrasFolder = listing.folder;
    if (!listing.ok)
        platform::showMessage(listing.errorText, listing.title, platform::MessageIcon::Exclamation);
    m_file1->addItems(listing.files);
    m_lblTotal->setText(QString::number(m_file1->count()));
}

void AboutWindow::File1_Click()
{
    if (m_extras != ExtrasKind::DATs || !m_file1->currentItem())
        return;
    m_lblMAMEVersion->setText(
        fileDateTimeText(m_extrasFolder + u'/' + m_file1->currentItem()->text()));
    m_cmdVersion->setEnabled(true);
}

void AboutWindow::lblURL_Click()
{
    if (!QDesktopServices::openUrl(QUrl(m_lblURL->text())))
        platform::showMessage(QStringLiteral("Error launching browser."),
                              QStringLiteral("About Velmora"), platform::MessageIcon::Critical);
}

void AboutWindow::setUrlUnderlined(bool underlined)
{
    QFont font = m_lblURL->font();
    font.setUnderline(underlined);
    m_lblURL->setFont(font);
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_lblURL) {
        if (event->type() == QEvent::Enter)
            setUrlUnderlined(true);
        else if (event->type() == QEvent::Leave)
            setUrlUnderlined(false);
    }
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::done(int result)
{
    // However the window closes, a banner it stopped moves again.
    if (m_stoppedBanner && m_hooks.setBannerRunning) {
        m_stoppedBanner = false;
        m_hooks.setBannerRunning(true);
    }
    QDialog::done(result);
}

} // namespace velmora
