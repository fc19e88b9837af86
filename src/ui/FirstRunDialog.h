#pragma once
// A small first-run dialog that asks for the MAME folder and the ROMs folder and stores them.
// It stands in for the full Options dialog on a first start.
#include "app/Preferences.h"

#include <QDialog>

class QLineEdit;

namespace velmora {

class FirstRunDialog : public QDialog
{
    Q_OBJECT
public:
    FirstRunDialog(Preferences& prefs, QString optionsIni, QWidget* parent = nullptr);

    void accept() override;

private:
    QLineEdit* addFolderRow(const char* name, const QString& label);

    Preferences& m_prefs;
    QString m_optionsIni;
    QLineEdit* m_mame = nullptr;
    QLineEdit* m_roms = nullptr;
};

} // namespace velmora
