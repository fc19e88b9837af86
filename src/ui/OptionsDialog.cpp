#include "ui/OptionsDialog.h"

#include "app/ColorChoices.h"
#include "app/FolderTable.h"
#include "app/FolderTests.h"
#include "app/IniFile.h"
#include "app/PreferenceChoices.h"
#include "app/ProgramPaths.h"
#include "emulator_settings/MameIni.h"
#include "platform/Seams.h"
#include "ui/ColorComboBox.h"
#include "ui/ColorValue.h"
#include "ui/StarField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace velmora {
namespace {

constexpr QSize kPreviewSize(150, 90);

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption)
{
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(QLatin1String(name));
    return c;
}

void showDirectoriesMessage(const QString& message, const QString& title)
{
    platform::showMessage(message, title, platform::MessageIcon::Critical);
}

// The entry of an ascending list of numbers (years, font sizes) that shows a stored value. A
// stored value the list does not offer (written by hand, or a year from an older list) joins the
// list in its numeric place, so OK keeps it instead of silently replacing it. -1 when nothing is
// stored.
int storedChoiceIndex(QComboBox* list, const QString& stored)
{
    const int found = list->findText(stored);
    if (found >= 0 || stored.isEmpty())
        return found;
    const int number = stored.toInt();
    int at = 0;
    while (at < list->count() && list->itemText(at).toInt() < number)
        ++at;
    list->insertItem(at, stored);
    return at;
}

} // namespace

OptionsDialog::OptionsDialog(const Preferences& prefs, const QString& optionsIni, Occasion occasion,
                             QWidget* parent)
    : QDialog(parent), m_original(prefs), m_work(prefs), m_optionsIni(optionsIni),
      m_occasion(occasion)
{
    setObjectName(QStringLiteral("frmChoose"));
    setWindowTitle(QStringLiteral("Options"));
    setModal(true);

    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildPreferencesPage());
    m_pages->addWidget(buildDirectoriesPage());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buildButtons());
    connectReactions();

    // Loading: the Preferences page in front, OK, Back and the Directories page disabled.
    showPreferencesPage();
    for (const FolderEntry& entry : folderTable())
        box(entry.folder)->setText(prefs.folder(entry.folder));
    loadPreferencesPage();
}

std::optional<Preferences> OptionsDialog::ask(const Preferences& prefs, const QString& optionsIni,
                                              Occasion occasion, QWidget* parent)
{
    OptionsDialog dialog(prefs, optionsIni, occasion, parent);
    dialog.exec();
    if (dialog.cancelled())
        return std::nullopt;
    return dialog.preferences();
}

void OptionsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_shownOnce && m_cmdNext->isEnabled())
        m_cmdNext->setFocus();
    m_shownOnce = true;
}

// ---- page 1: hide filters and list appearance ----

QWidget* OptionsDialog::buildPreferencesPage()
{
    m_fraPreferences = new QGroupBox(QStringLiteral("Preferences"));
    m_fraPreferences->setObjectName(QStringLiteral("fraPreferences"));
    m_lstHideBios = new QListWidget(m_fraPreferences);
    m_lstHideBios->setObjectName(QStringLiteral("lstHideBios"));
    m_lstHideBios->setSelectionMode(QAbstractItemView::MultiSelection);
    // Added in list order, which is already the sorted order the list is addressed by.
    for (const HideSystemEntry& entry : hideSystemEntries())
        m_lstHideBios->addItem(QLatin1String(entry.caption));
    // Wide enough for the longest entry, so no caption is cut.
    m_lstHideBios->setMinimumWidth(m_lstHideBios->sizeHintForColumn(0) +
                                   2 * m_lstHideBios->frameWidth() + 4);
    m_lstHideBios->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* right = new QVBoxLayout;
    right->addWidget(buildHideBoxes());
    right->addWidget(buildAppearance());
    right->addStretch();
    auto* layout = new QHBoxLayout(m_fraPreferences);
    layout->addWidget(m_lstHideBios, 1);
    layout->addLayout(right);
    return m_fraPreferences;
}

QWidget* OptionsDialog::buildHideBoxes()
{
    auto* holder = new QWidget;
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    for (size_t i = 0; i < hideCheckBoxes().size(); ++i) {
        const HideCheckBox& row = hideCheckBoxes()[i];
        m_hideBoxes[i] = checkBox(holder, row.objectName, QLatin1String(row.caption));
        layout->addWidget(m_hideBoxes[i]);
    }
    m_hideBoxes[4]->setToolTip(QStringLiteral("This Hides Test ROMs"));

    m_chkHideYear =
        checkBox(holder, "chkHideYear", QStringLiteral("Hide Games Released After This Year:"));
    m_cboHideYear = new QComboBox(holder);
    m_cboHideYear->setObjectName(QStringLiteral("cboHideYear"));
    m_cboHideYear->addItems(yearChoices(platform::clock().now().date().year()));
    auto* yearRow = new QHBoxLayout;
    yearRow->addWidget(m_chkHideYear);
    yearRow->addWidget(m_cboHideYear);
    yearRow->addStretch();
    layout->addLayout(yearRow);

    m_chkCloneShots = checkBox(holder, "chkCloneShots",
                               QStringLiteral("Clone Games Use Parent Game's Screen Shot"));
    m_chkDisable = checkBox(
        holder, "chkDisable",
        QStringLiteral("Disable Ctrl-Alt-Delete, Ctrl-Esc, && The Windows Key During Games"));
    layout->addWidget(m_chkCloneShots);
    layout->addWidget(m_chkDisable);
    return holder;
}

QWidget* OptionsDialog::buildAppearance()
{
    auto* holder = new QWidget;
    m_chkBackground =
        checkBox(holder, "chkBackground", QStringLiteral("Use Star Field Image For Background"));
    m_lblBackColor = new QLabel(QStringLiteral("Back Color:"), holder);
    m_lblBackColor->setObjectName(QStringLiteral("lblBackColor"));
    m_cboBackColor = new ColorComboBox(holder);
    m_cboBackColor->setObjectName(QStringLiteral("cboBackColor"));
    m_cboBackColor->fillWithColorChoices();
    m_cmdBackColor = button(holder, "cmdBackColor", QStringLiteral("Choose..."));
    auto* lblFontColor = new QLabel(QStringLiteral("Font Color:"), holder);
    lblFontColor->setObjectName(QStringLiteral("lblFontColor"));
    m_cmdFontColor = button(holder, "cmdFontColor", QStringLiteral("Choose..."));
    auto* lblSize = new QLabel(QStringLiteral("Font Size:"), holder);
    lblSize->setObjectName(QStringLiteral("lblSize"));
    m_cboSize = new QComboBox(holder);
    m_cboSize->setObjectName(QStringLiteral("cboSize"));
    m_cboSize->addItems(fontSizeChoices());
    m_cmdFonts = button(holder, "cmdFonts", QStringLiteral("Fonts..."));

    auto* grid = new QGridLayout(holder);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_chkBackground, 0, 0, 1, 3);
    grid->addWidget(m_lblBackColor, 1, 0);
    grid->addWidget(m_cboBackColor, 1, 1);
    grid->addWidget(m_cmdBackColor, 1, 2);
    grid->addWidget(lblFontColor, 2, 0);
    grid->addWidget(m_cmdFontColor, 2, 2);
    grid->addWidget(lblSize, 3, 0);
    grid->addWidget(m_cboSize, 3, 1);
    grid->addWidget(m_cmdFonts, 3, 2);
    grid->addWidget(buildPreview(), 0, 3, 4, 1);
    return holder;
}

// The preview: a patch in the background colour, the star field over it while that is on, and
// the words "List Text" in the text colour and size on top.
QWidget* OptionsDialog::buildPreview()
{
    m_lblListBack = new QLabel;
    m_lblListBack->setObjectName(QStringLiteral("lblListBack"));
    m_lblListBack->setFixedSize(kPreviewSize);
    m_lblListBack->setAutoFillBackground(true);
    m_lblListBack->setFrameShape(QFrame::Box);
    m_imgStarfield = new QLabel(m_lblListBack);
    m_imgStarfield->setObjectName(QStringLiteral("imgStarfield"));
    m_imgStarfield->setPixmap(starFieldPixmap(kPreviewSize, devicePixelRatioF()));
    m_lblListText = new QLabel(QStringLiteral("List Text"), m_lblListBack);
    m_lblListText->setObjectName(QStringLiteral("lblListText"));
    m_lblListText->setAlignment(Qt::AlignCenter);
    auto* stack = new QGridLayout(m_lblListBack);
    stack->setContentsMargins(1, 1, 1, 1);
    stack->addWidget(m_imgStarfield, 0, 0);
    stack->addWidget(m_lblListText, 0, 0);
    return m_lblListBack;
}

// ---- page 2: folders ----

QWidget* OptionsDialog::buildDirectoriesPage()
{
    m_fraDirectories = new QGroupBox(QStringLiteral("Directories"));
    m_fraDirectories->setObjectName(QStringLiteral("fraDirectories"));
    auto* grid = new QGridLayout(m_fraDirectories);
    int row = 0;
    for (const FolderEntry& entry : folderTable()) {
        auto* label = new QLabel(QLatin1String(entry.caption), m_fraDirectories);
        if (entry.tip)
            label->setToolTip(QLatin1String(entry.tip));
        auto* text = new QLineEdit(m_fraDirectories);
        text->setObjectName(QLatin1String(entry.textBox));
        label->setBuddy(text);
        auto* browse = button(m_fraDirectories, entry.browseButton, QStringLiteral("..."));
        const DataFolder folder = entry.folder;
        if (folder == DataFolder::MAME)
            connect(browse, &QPushButton::clicked, this, [this] { cmdSelectMAME_Click(); });
        else
            connect(browse, &QPushButton::clicked, this, [this, folder] { SelectPaths(folder); });
        m_boxes[static_cast<int>(folder)] = text;
        grid->addWidget(label, row, 0);
        grid->addWidget(text, row, 1);
        grid->addWidget(browse, row, 2);
        ++row;
    }
    grid->setColumnMinimumWidth(1, 360);
    return m_fraDirectories;
}

QWidget* OptionsDialog::buildButtons()
{
    auto* holder = new QWidget;
    m_cmdMyDefaults = button(holder, "cmdMyDefaults", QStringLiteral("Velmora Choices"));
    m_cmdClearAll = button(holder, "cmdClearAll", QStringLiteral("Clear All"));
    m_cmdBack = button(holder, "cmdBack", QStringLiteral("< &Back"));
    m_cmdNext = button(holder, "cmdNext", QStringLiteral("&Next >"));
    m_cmdOK = button(holder, "cmdOK", QStringLiteral("OK"));
    m_cmdOK->setDefault(true);
    m_cmdCancel = button(holder, "cmdCancel", QStringLiteral("Cancel"));
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_cmdMyDefaults);
    row->addWidget(m_cmdClearAll);
    row->addStretch();
    for (QPushButton* b : {m_cmdBack, m_cmdNext, m_cmdOK, m_cmdCancel})
        row->addWidget(b);
    return holder;
}

void OptionsDialog::connectReactions()
{
    connect(m_hideBoxes[0], &QCheckBox::toggled, this, &OptionsDialog::hideClonesToggled);
    connect(m_chkHideYear, &QCheckBox::toggled, this, &OptionsDialog::hideYearToggled);
    connect(m_chkBackground, &QCheckBox::toggled, this, &OptionsDialog::starFieldToggled);
    connect(m_cboBackColor, &QComboBox::currentIndexChanged, this,
            [this](int index) { paintBackPreview(m_cboBackColor->valueAt(index)); });
    connect(m_cboSize, &QComboBox::currentTextChanged, this, [this] { paintTextPreview(); });
    connect(m_cmdBackColor, &QPushButton::clicked, this, &OptionsDialog::cmdBackColor_Click);
    connect(m_cmdFontColor, &QPushButton::clicked, this, &OptionsDialog::cmdFontColor_Click);
    connect(m_cmdFonts, &QPushButton::clicked, this, &OptionsDialog::cmdFonts_Click);
    connect(m_cmdMyDefaults, &QPushButton::clicked, this, &OptionsDialog::cmdMyDefaults_Click);
    connect(m_cmdClearAll, &QPushButton::clicked, this, &OptionsDialog::cmdClearAll_Click);
    connect(m_cmdNext, &QPushButton::clicked, this, &OptionsDialog::showDirectoriesPage);
    connect(m_cmdBack, &QPushButton::clicked, this, &OptionsDialog::showPreferencesPage);
    connect(m_cmdOK, &QPushButton::clicked, this, &OptionsDialog::cmdOK_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &OptionsDialog::cmdCancel_Click);
}

// ---- loading ----

void OptionsDialog::loadPreferencesPage()
{
    const auto& systems = hideSystemEntries();
    for (int i = 0; i < kHideSystemCount; ++i)
        m_lstHideBios->item(i)->setSelected(m_work.hidden(systems[i].flag));
    for (size_t i = 0; i < m_hideBoxes.size(); ++i)
        m_hideBoxes[i]->setChecked(m_work.hidden(hideCheckBoxes()[i].flag));
    // The clone-shots box shows its value even while Hide Clone Games keeps it disabled.
    m_chkCloneShots->setChecked(m_work.cloneShots);
    m_chkCloneShots->setEnabled(!m_work.hidden(HideFlag::Clones));
    loadYear();
    if (hotKeyBlockingAvailable()) {
        m_chkDisable->setChecked(m_work.disableHotKeys);
    } else {
        m_chkDisable->setChecked(false);
        m_chkDisable->setEnabled(false);
    }
    loadBackColor();
    m_chkBackground->setChecked(m_work.useStarfield);
    starFieldToggled(m_work.useStarfield);
    if (!m_work.useStarfield)
        paintBackPreview(m_work.backColor);
    m_fontValue = m_work.fontColor;
    const int size = storedChoiceIndex(m_cboSize, m_work.fontSize);
    m_cboSize->setCurrentIndex(size >= 0 ? size : 0);
    paintTextPreview();
}

void OptionsDialog::loadYear()
{
    const bool hideYear = m_work.hidden(HideFlag::Year);
    m_chkHideYear->setChecked(hideYear);
    hideYearToggled(hideYear);
    const int index = storedChoiceIndex(m_cboHideYear, m_work.year);
    m_cboHideYear->setCurrentIndex(index >= 0 ? index : m_cboHideYear->count() - 1);
}

void OptionsDialog::loadBackColor()
{
    int index = m_cboBackColor->findValue(m_work.backColor);
    if (index < 0) {
        platform::showMessage(
            QStringLiteral("Problem getting Back Color.  Reverting to default setting."),
            QStringLiteral("Preferences"), platform::MessageIcon::Information);
        index = kDefaultBackColorIndex;
        m_work.backColor = m_cboBackColor->valueAt(index);
    }
    m_cboBackColor->setCurrentIndex(index);
    paintBackPreview(m_cboBackColor->valueAt(index));
}

void OptionsDialog::readPreferencesPage()
{
    const auto& systems = hideSystemEntries();
    for (int i = 0; i < kHideSystemCount; ++i)
        m_work.setHidden(systems[i].flag, m_lstHideBios->item(i)->isSelected());
    for (size_t i = 0; i < m_hideBoxes.size(); ++i)
        m_work.setHidden(hideCheckBoxes()[i].flag, m_hideBoxes[i]->isChecked());
    m_work.setHidden(HideFlag::Year, m_chkHideYear->isChecked());
    m_work.year = m_cboHideYear->currentText();
    m_work.cloneShots = m_chkCloneShots->isChecked();
    m_work.disableHotKeys = m_chkDisable->isChecked();
    m_work.useStarfield = m_chkBackground->isChecked();
    m_imgStarfield->setVisible(m_work.useStarfield);
    m_work.backColor = m_backValue;
    m_work.fontColor = m_fontValue;
    m_work.fontSize = m_cboSize->currentText();
}

// ---- page switching ----

void OptionsDialog::showPreferencesPage()
{
    for (QPushButton* b : {m_cmdMyDefaults, m_cmdClearAll, m_cmdNext})
        b->setEnabled(true);
    m_cmdNext->setFocus();
    m_cmdOK->setEnabled(false);
    m_cmdBack->setEnabled(false);
    m_fraPreferences->setEnabled(true);
    m_pages->setCurrentWidget(m_fraPreferences);
    m_fraDirectories->setEnabled(false);
}

void OptionsDialog::showDirectoriesPage()
{
    m_fraDirectories->setEnabled(true);
    m_pages->setCurrentWidget(m_fraDirectories);
    m_fraPreferences->setEnabled(false);
    m_cmdOK->setEnabled(true);
    m_cmdBack->setEnabled(true);
    for (QPushButton* b : {m_cmdNext, m_cmdMyDefaults, m_cmdClearAll})
        b->setEnabled(false);
    // The first of the leading boxes still to fill, else OK.
    for (DataFolder f : {DataFolder::MAME, DataFolder::ROMs, DataFolder::AdditionalROMs}) {
        if (box(f)->text().isEmpty()) {
            box(f)->setFocus();
            return;
        }
    }
    m_cmdOK->setFocus();
}

// ---- check-box reactions and the preview ----

void OptionsDialog::hideClonesToggled(bool on)
{
    if (on)
        m_chkCloneShots->setChecked(false);
    m_chkCloneShots->setEnabled(!on);
}

void OptionsDialog::hideYearToggled(bool on)
{
    m_cboHideYear->setEnabled(on);
    if (on) {
        m_cboHideYear->setPalette(QPalette());
        return;
    }
    // Disabled, the year list is painted in the button-face colour all over.
    QPalette faded = m_cboHideYear->palette();
    const QColor face = faded.color(QPalette::Active, QPalette::Button);
    for (QPalette::ColorRole role :
         {QPalette::Base, QPalette::Text, QPalette::Button, QPalette::ButtonText})
        faded.setColor(role, face);
    m_cboHideYear->setPalette(faded);
}

void OptionsDialog::starFieldToggled(bool on)
{
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_cmdBackColor, m_cboBackColor, m_lblBackColor})
        w->setEnabled(!on);
    m_imgStarfield->setVisible(on);
    if (!on)
        paintBackPreview(m_cboBackColor->currentValue());
}

void OptionsDialog::paintBackPreview(qint32 value)
{
    m_backValue = value;
    QPalette palette = m_lblListBack->palette();
    palette.setColor(QPalette::Window, colorFromValue(value));
    m_lblListBack->setPalette(palette);
}

void OptionsDialog::paintTextPreview()
{
    QPalette palette = m_lblListText->palette();
    palette.setColor(QPalette::WindowText, colorFromValue(m_fontValue));
    m_lblListText->setPalette(palette);
    QFont font = m_lblListText->font();
    font.setPointSize(qMax(1, m_cboSize->currentText().toInt()));
    m_lblListText->setFont(font);
}

// ---- buttons of page 1 ----

void OptionsDialog::cmdMyDefaults_Click()
{
    for (int i = 0; i < kHideSystemCount; ++i)
        m_lstHideBios->item(i)->setSelected(false);
    for (int i : kVelmoraChoiceSystems)
        m_lstHideBios->item(i)->setSelected(true);
    for (size_t i = 0; i < m_hideBoxes.size(); ++i) {
        const HideFlag flag = hideCheckBoxes()[i].flag;
        m_hideBoxes[i]->setChecked(std::find(kVelmoraChoiceFlags.begin(), kVelmoraChoiceFlags.end(),
                                             flag) != kVelmoraChoiceFlags.end());
    }
    m_chkHideYear->setChecked(true);
    m_cboHideYear->setCurrentText(QLatin1String(kVelmoraChoiceYear));
    if (m_chkDisable->isEnabled())
        m_chkDisable->setChecked(true);
    m_cboBackColor->setCurrentIndex(kDefaultBackColorIndex);
    m_work.backColor = m_cboBackColor->valueAt(kDefaultBackColorIndex);
    paintBackPreview(m_work.backColor);
    m_work.fontColor = m_fontValue = kVelmoraChoiceFontColor;
    m_cboSize->setCurrentText(QLatin1String(kVelmoraChoiceFontSize));
    paintTextPreview();
    m_chkBackground->setChecked(true);
    m_cmdNext->setFocus();
}

void OptionsDialog::cmdClearAll_Click()
{
    for (int i = 0; i < kHideSystemCount; ++i)
        m_lstHideBios->item(i)->setSelected(false);
    for (QCheckBox* c : m_hideBoxes)
        c->setChecked(false);
    for (QCheckBox* c : {m_chkHideYear, m_chkDisable, m_chkBackground})
        c->setChecked(false);
    m_cmdNext->setFocus();
}

void OptionsDialog::cmdBackColor_Click()
{
    const auto chosen =
        platform::colorDialog().chooseColor(colorValueOf(colorFromValue(m_backValue)));
    if (chosen)
        paintBackPreview(*chosen);
    m_cmdFontColor->setFocus();
}

void OptionsDialog::cmdFontColor_Click()
{
    const auto chosen =
        platform::colorDialog().chooseColor(colorValueOf(colorFromValue(m_fontValue)));
    if (chosen) {
        m_fontValue = *chosen;
        paintTextPreview();
    }
    m_cmdNext->setFocus();
}

void OptionsDialog::cmdFonts_Click()
{
    platform::FontChoice current;
    current.family = m_lblListText->font().family();
    current.pointSize = m_cboSize->currentText().toInt();
    const auto chosen = platform::fontDialog().chooseFont(current);
    // Only the size can be shown in the lists, and only the sizes they offer.
    if (chosen) {
        const int index = m_cboSize->findText(QString::number(chosen->pointSize));
        if (index >= 0)
            m_cboSize->setCurrentIndex(index);
    }
}

// ---- folders ----

QString OptionsDialog::browseStart(DataFolder folder) const
{
    for (DataFolder f : {folder, DataFolder::MAME})
        if (!box(f)->text().isEmpty())
            return box(f)->text();
    return QDir::homePath();
}

void OptionsDialog::cmdSelectMAME_Click()
{
    const auto chosen = platform::folderBrowser().browseForFolder(
        QStringLiteral("Select your M.A.M.E. folder..."), browseStart(DataFolder::MAME));
    if (!chosen)
        return;
    const FolderVerdict verdict = checkChosenMameFolder(*chosen);
    if (!verdict.passed) {
        refuseFolder(DataFolder::MAME, verdict.message, verdict.title);
        return;
    }
    FolderTexts texts;
    for (const FolderEntry& entry : folderTable())
        texts[static_cast<int>(entry.folder)] = box(entry.folder)->text();
    fillEmptyFoldersWithDefaults(texts, folderPathFromText(verdict.path));
    for (const FolderEntry& entry : folderTable())
        box(entry.folder)->setText(texts[static_cast<int>(entry.folder)]);
    box(DataFolder::MAME)->setText(verdict.path);
    m_cmdOK->setFocus();
}

void OptionsDialog::SelectPaths(DataFolder folder)
{
    const QString title =
        QStringLiteral("Select your %1 folder...").arg(QLatin1String(folderEntry(folder).name));
    const auto chosen = platform::folderBrowser().browseForFolder(title, browseStart(folder));
    if (!chosen)
        return;
    const FolderVerdict verdict = checkChosenDataFolder(folder, *chosen);
    if (!verdict.passed) {
        refuseFolder(folder, verdict.message, verdict.title);
        return;
    }
    box(folder)->setText(verdict.path);
    m_cmdOK->setFocus();
}

void OptionsDialog::refuseFolder(DataFolder folder, const QString& message, const QString& title)
{
    showDirectoriesMessage(message, title);
    box(folder)->clear();
    box(folder)->setFocus();
}

// Tests every folder in table order. The folders that pass are kept; at the first failure the
// failed folder is left empty on a first run and goes back to its earlier value otherwise.
bool OptionsDialog::storeFolders()
{
    FolderTexts texts;
    for (const FolderEntry& entry : folderTable())
        texts[static_cast<int>(entry.folder)] = box(entry.folder)->text();
    const FolderCheck check = checkFolders(texts);
    for (const FolderEntry& entry : folderTable()) {
        if (entry.folder == check.failed)
            break;
        m_work.setFolder(entry.folder, check.paths[static_cast<int>(entry.folder)]);
    }
    if (check.allPassed())
        return true;
    m_work.setFolder(check.failed, m_occasion == Occasion::FirstRun
                                       ? QString()
                                       : m_original.folder(check.failed));
    refuseFolder(check.failed, check.failure.message, check.failure.title);
    return false;
}

void OptionsDialog::cmdOK_Click()
{
    readPreferencesPage();
    if (!storeFolders())
        return;
    QString error;
    // The folders a MAME of today no longer reads stay in the dialog for an older one.
    const std::optional<MameUsage> usage = MameUsage::fromFile(
        ProgramPaths{QFileInfo(QFileInfo(m_optionsIni).path()).path()}.report(kShowUsageFile));
    if (!CreateMAMEIni(m_work, &error, usage ? &*usage : nullptr)) {
        platform::showMessage(QStringLiteral("Error In cmdOK: ") + error, QStringLiteral("Velmora"),
                              platform::MessageIcon::Critical);
        box(DataFolder::Ini)->setFocus();
        return;
    }
    writeOptionsPreferences(m_optionsIni, m_work);
    writeDirectories(m_optionsIni, m_work);
    FlushIni(m_optionsIni);
    m_cancelled = false;
    accept();
}

void OptionsDialog::cmdCancel_Click()
{
    m_cancelled = true;
    reject();
}

} // namespace velmora
