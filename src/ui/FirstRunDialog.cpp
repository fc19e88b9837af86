#include "ui/FirstRunDialog.h"

#include "app/IniFile.h"
#include "platform/Seams.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace velmora {

FirstRunDialog::FirstRunDialog(Preferences& prefs, QString optionsIni, QWidget* parent)
    : QDialog(parent), m_prefs(prefs), m_optionsIni(std::move(optionsIni))
{
    setObjectName(QStringLiteral("frmChoose"));
    setWindowTitle(QStringLiteral("Options"));
    auto* form = new QFormLayout(this);
    m_mame = addFolderRow("txtMAME", QStringLiteral("M.A.M.E. folder:"));
    m_roms = addFolderRow("txtROMs", QStringLiteral("ROMs folder:"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

QLineEdit* FirstRunDialog::addFolderRow(const char* name, const QString& label)
{
    auto* row = new QHBoxLayout;
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    auto* browse = new QPushButton(QStringLiteral("..."), this);
    connect(browse, &QPushButton::clicked, this, [edit, label] {
        if (auto folder = platform::folderBrowser().browseForFolder(label, edit->text()))
            edit->setText(*folder);
    });
    row->addWidget(edit, 1);
    row->addWidget(browse);
    static_cast<QFormLayout*>(layout())->addRow(label, row);
    return edit;
}

void FirstRunDialog::accept()
{
    QString mame = m_mame->text().trimmed();
    QString roms = m_roms->text().trimmed();
    while (mame.size() > 1 && mame.endsWith(u'/'))
        mame.chop(1);
    while (roms.size() > 1 && roms.endsWith(u'/'))
        roms.chop(1);
    if (!QFileInfo(mame + QStringLiteral("/mame")).isExecutable()) {
        platform::showMessage(QStringLiteral("Cannot find mame!"), QStringLiteral("Directories"),
                              platform::MessageIcon::Exclamation);
        m_mame->setFocus();
        return;
    }
    if (!QFileInfo(roms).isDir()) {
        platform::showMessage(QStringLiteral("The ROMs folder does not exist."),
                              QStringLiteral("Directories"), platform::MessageIcon::Exclamation);
        m_roms->setFocus();
        return;
    }
    m_prefs.setFolder(DataFolder::MAME, mame);
    m_prefs.setFolder(DataFolder::ROMs, roms);
    // Until the user chooses otherwise, MAME reads its ini from the MAME folder.
    m_prefs.setFolder(DataFolder::Ini, mame);
    writeOptionsPreferences(m_optionsIni, m_prefs);
    writeDirectories(m_optionsIni, m_prefs);
    FlushIni(m_optionsIni);
    QDialog::accept();
}

} // namespace velmora
