#include "ui/SettingsPanel.h"

#include "platform/Seams.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace velmora {
namespace {

// Frames of the left column; the rest stand in the right one.
constexpr int kLeftColumnFrames = 11;

Qt::CheckState checkStateOf(const QString& value)
{
    const int state = checkState(value).value_or(0);
    return state == 1 ? Qt::Checked : state == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}

} // namespace

SettingsPanel::SettingsPanel(const ProgramPaths& paths, QWidget* parent)
    : QGroupBox(parent), m_editor(SettingsFolder(paths.settingsFolder()), &m_model)
{
    setObjectName(QStringLiteral("fraDefaults"));
    build();
    connectModel();
    showAllValues();
    showEnabling();
    setEnabled(false);
}

void SettingsPanel::build()
{
    auto* inner = new QWidget;
    inner->setObjectName(QStringLiteral("picBox1"));
    auto* columns = new QHBoxLayout(inner);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    for (int f = 0; f < kFrameCount; ++f)
        (f < kLeftColumnFrames ? left : right)->addWidget(buildFrame(Frame(f)));
    left->addStretch();
    right->addStretch();
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    m_scroll = new QScrollArea;
    m_scroll->setObjectName(QStringLiteral("picDefaults"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setWidget(inner);
    m_scroll->verticalScrollBar()->setObjectName(QStringLiteral("VScroll_0"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(buildButtons());
}

QWidget* SettingsPanel::buildFrame(Frame frame)
{
    auto* box = new QGroupBox(frameCaption(frame));
    box->setObjectName(QStringLiteral("frame_%1").arg(int(frame)));
    m_frames[int(frame)] = box;
    auto* grid = new QGridLayout(box);
    int row = 0;
    int column = 0;
    for (const OptionSpec& entry : optionCatalogue()) {
        if (entry.frame == frame)
            addControl(entry.option, grid, &row, &column);
    }
    return box;
}

// Check boxes stand two to a row; a list takes a row with its label; the Other Commands box
// takes the whole frame.
void SettingsPanel::addControl(Option option, QGridLayout* grid, int* row, int* column)
{
    const OptionSpec& entry = optionSpec(option);
    const QString name = QLatin1String(entry.control);
    if (entry.kind == ControlKind::Check) {
        auto* box = new QCheckBox(QLatin1String(entry.displayName));
        box->setObjectName(name);
        connect(box, &QCheckBox::clicked, this, [this, box, option] {
            box->setTristate(false);
            m_model.assign(option, box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
        });
        m_controls[optionIndex(option)] = box;
        grid->addWidget(box, *row, *column);
        *column = 1 - *column;
        *row += *column == 0 ? 1 : 0;
        return;
    }
    if (*column != 0)
        *column = 0, ++*row;
    auto* label = new QLabel(entry.kind == ControlKind::List ? QLatin1String(entry.label)
                                                             : otherCommandsLabel());
    m_labels[optionIndex(option)] = label;
    if (entry.kind == ControlKind::Text) {
        label->setObjectName(QStringLiteral("lblOtherCommands"));
        auto* text = new QPlainTextEdit;
        text->setObjectName(name);
        text->setToolTip(otherCommandsTip());
        text->setTabChangesFocus(true);
        text->setMaximumHeight(text->fontMetrics().lineSpacing() * 4 + 12);
        connect(text, &QPlainTextEdit::textChanged, this,
                [this, text, option] { m_model.assign(option, text->toPlainText()); });
        m_controls[optionIndex(option)] = text;
        grid->addWidget(label, (*row)++, 0, 1, 2);
        grid->addWidget(text, (*row)++, 0, 1, 2);
        return;
    }
    label->setObjectName(QStringLiteral("lblCombo_%1").arg(listIndex(option)));
    auto* combo = new QComboBox;
    combo->setObjectName(name);
    combo->setEditable(false);
    label->setBuddy(combo);
    connect(combo, &QComboBox::activated, this,
            [this, combo, option](int index) { m_model.assign(option, combo->itemText(index)); });
    m_controls[optionIndex(option)] = combo;
    fillList(option);
    grid->addWidget(label, *row, 0);
    grid->addWidget(combo, (*row)++, 1);
    if (option == Option::Resolution) {
        m_resolutionNote = new QLabel(resolutionNote());
        m_resolutionNote->setObjectName(QStringLiteral("lblResolution"));
        m_resolutionNote->setWordWrap(true);
        grid->addWidget(m_resolutionNote, (*row)++, 0, 1, 2);
    }
}

QWidget* SettingsPanel::buildButtons()
{
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    auto make = [bar](const char* name, const QString& caption, const QString& tip) {
        auto* button = new QPushButton(caption, bar);
        button->setObjectName(QLatin1String(name));
        button->setToolTip(tip);
        return button;
    };
    m_ok = make("cmdOK", QStringLiteral("&OK"), QStringLiteral("Saves The Options Selected"));
    m_restore = make("cmdRestore", kRestoreDefaultsCaption,
                     QStringLiteral("Restores M.A.M.E. Options For All Controls"));
    m_cancel =
        make("cmdCancel", QStringLiteral("&Cancel"), QStringLiteral("Cancels Any Changes Made"));
    row->addStretch();
    for (QPushButton* button : {m_ok, m_restore, m_cancel})
        row->addWidget(button);
    row->addStretch();
    connect(m_ok, &QPushButton::clicked, this, &SettingsPanel::okClicked);
    connect(m_restore, &QPushButton::clicked, this, &SettingsPanel::restoreClicked);
    connect(m_cancel, &QPushButton::clicked, this, &SettingsPanel::cancelClicked);
    return bar;
}

void SettingsPanel::connectModel()
{
    connect(&m_model, &SettingsModel::valueChanged, this, &SettingsPanel::showValue);
    connect(&m_model, &SettingsModel::enablingChanged, this, &SettingsPanel::showEnabling);
}

void SettingsPanel::setLists(const OptionLists& lists)
{
    m_model.setLists(lists);
    for (int i = 0; i < kOptionCount; ++i) {
        if (isList(optionAt(i)))
            fillList(optionAt(i));
    }
}

void SettingsPanel::setKnownOptions(const KnownOptions& known)
{
    m_model.setKnownOptions(known);
    for (int i = 0; i < kOptionCount; ++i) {
        const Option option = optionAt(i);
        const QString tip =
            m_model.knownToMame(option) ? m_model.lists().note(option) : unknownOptionTip(option);
        if (option != Option::OtherCommands)
            m_controls[i]->setToolTip(tip);
        if (m_labels[i])
            m_labels[i]->setToolTip(tip);
    }
}

void SettingsPanel::fillList(Option option)
{
    auto* combo = static_cast<QComboBox*>(m_controls[optionIndex(option)]);
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(m_model.lists().entries(option));
    combo->setCurrentIndex(combo->findText(m_model.value(option), Qt::MatchFixedString));
}

void SettingsPanel::showValue(Option option)
{
    QWidget* control = m_controls[optionIndex(option)];
    const QSignalBlocker block(control);
    const QString value = m_model.value(option);
    switch (kindOf(option)) {
    case ControlKind::Check: {
        auto* box = static_cast<QCheckBox*>(control);
        box->setTristate(checkStateOf(value) == Qt::PartiallyChecked);
        box->setCheckState(checkStateOf(value));
        break;
    }
    case ControlKind::List: {
        auto* combo = static_cast<QComboBox*>(control);
        combo->setCurrentIndex(combo->findText(value, Qt::MatchFixedString));
        break;
    }
    case ControlKind::Text: {
        auto* text = static_cast<QPlainTextEdit*>(control);
        if (text->toPlainText() != value)
            text->setPlainText(value);
        break;
    }
    }
}

void SettingsPanel::showAllValues()
{
    for (int i = 0; i < kOptionCount; ++i)
        showValue(optionAt(i));
}

void SettingsPanel::showEnabling()
{
    const EnableStates& states = m_model.enabling();
    for (int i = 0; i < kOptionCount; ++i) {
        m_controls[i]->setEnabled(states.control[i]);
        if (m_labels[i])
            m_labels[i]->setEnabled(states.control[i]);
    }
    for (int f = 0; f < kFrameCount; ++f)
        m_frames[f]->setEnabled(states.frame[f]);
}

void SettingsPanel::openRaster()
{
    setEnabled(true);
    setTitle(editorCaption(EditorMode::Raster));
    m_editor.openRaster();
    opened();
}

void SettingsPanel::openVector()
{
    setEnabled(true);
    setTitle(editorCaption(EditorMode::Vector));
    m_editor.openVector();
    opened();
}

void SettingsPanel::openCustom(const SelectedGame& game)
{
    setEnabled(true);
    setTitle(editorCaption(EditorMode::Custom));
    m_editor.openCustom(game);
    opened();
}

void SettingsPanel::opened()
{
    setTitle(m_editor.caption());
    m_restore->setText(m_editor.restoreCaption());
    m_scroll->verticalScrollBar()->setValue(0);
    m_ok->setFocus();
}

void SettingsPanel::okClicked()
{
    const OkResult result = m_editor.ok();
    if (!result.saved) {
        platform::showMessage(QStringLiteral("Error In cmdOK_Click: ") + result.error,
                              QStringLiteral("Velmora"), platform::MessageIcon::Critical);
        return;
    }
    if (result.settingsStatus)
        emit settingsStatusChanged(*result.settingsStatus);
    setEnabled(false);
    emit closed(true);
}

void SettingsPanel::cancelClicked()
{
    setEnabled(false);
    emit closed(false);
}

void SettingsPanel::restoreClicked()
{
    m_editor.restore();
    m_ok->setFocus();
}

} // namespace velmora
