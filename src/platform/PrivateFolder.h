#pragma once
// The folder the program keeps outside its program folder, for what another user of the machine
// must neither read nor change: the links through which MAME reads folder paths it cannot read by
// name, and the single-instance socket. It is $XDG_RUNTIME_DIR/velmora when the session has a
// private runtime folder, else velmora-<uid>-private in the temporary folder. The program makes it
// with mode 0700, and refuses one that is a link, belongs to another user or can be written by
// others (another user could have made it first and swap what is in it).
#include <QString>

namespace velmora::platform {

struct PrivateFolder
{
    QString path;  // the folder, made and checked; empty when refused
    QString error; // why it was refused, for the user

    bool ok() const { return !path.isEmpty(); }
};

// Where the program's private folder is (nothing is made or checked).
QString privateFolderPath();
// The program's private folder (made when missing), or the reason it cannot be used.
PrivateFolder privateFolder();

// Makes `path` (its parent must exist) with mode 0700, or checks the one that is there: a folder,
// not a link, owned by this user, writable by nobody else. False with the reason in *error.
bool makePrivateFolder(const QString& path, QString* error);

} // namespace velmora::platform
