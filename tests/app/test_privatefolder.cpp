// The private folder kept outside the program folder, and what lives there: the links through
// which MAME reads folder paths, and the single-instance socket. Another user of the machine can
// neither swap a link (and so run code in the user's games) nor answer for a running Velmora.
#include "emulator_settings/MamePathLinks.h"
#include "platform/PrivateFolder.h"
#include "platform/SingleInstance.h"

#include <QtTest>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace velmora;
using namespace velmora::platform;

namespace {
constexpr uid_t kOtherUser = 65534; // nobody
} // namespace

class TestPrivateFolder : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_runtime; // made with mode 0700, as a session's runtime folder is

private slots:
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8()); }

    // MAME's links go to the private folder under XDG_RUNTIME_DIR, made 0700. A folder another
    // user could change (open to others, a link, another owner's) is refused, even with a right
    // link in it; without a private runtime folder the temporary folder takes its place.
    void privateOrRefused()
    {
        setMamePathLinkFolder(QString()); // no plain program folder
        const QString runtime = m_runtime.path(), roms = runtime + "/Spiele #1";
        const QString folder = runtime + "/velmora", link = runtime + "/link";
        QString error;
        QVERIFY(QDir().mkdir(roms) && makeMamePathLink(roms, "rompath", &error));
        QCOMPARE(mameIniFolderPath(roms, "rompath"), folder + "/mamepaths/rompath");
        QCOMPARE(QFileInfo(folder + "/mamepaths/rompath").symLinkTarget(), roms);
        struct stat info = {};
        QVERIFY(::stat(QFile::encodeName(folder), &info) == 0 && (info.st_mode & 0777) == 0700);
        QVERIFY(QFile::link(folder, link) && QDir().mkdir(runtime + "/foreign") &&
                ::chmod(QFile::encodeName(folder), 0777) == 0);
        QStringList refused{folder, link};
        if (::chown(QFile::encodeName(runtime + "/foreign"), kOtherUser, 0) == 0)
            refused << runtime + "/foreign"; // only root can give a folder away
        for (const QString& path : refused)
            QVERIFY(!makePrivateFolder(path, &error) &&
                    error.startsWith("Velmora cannot use the folder " + path + ": it is not"));
        QVERIFY(!makeMamePathLink(roms, "rompath", &error));
        QCOMPARE(error, "Velmora cannot use the folder " + folder +
                            ": it is not a private folder of yours (it is a link, belongs to "
                            "another user or others can write to it).  Remove it, and start "
                            "Velmora again.");
        qputenv("XDG_RUNTIME_DIR", folder.toUtf8()); // no longer private
        QCOMPARE(privateFolderPath(),
                 QDir::tempPath() + QString("/velmora-%1-private").arg(getuid()));
    }

    // A listener of another user at the socket's name is not asked to raise its window: this
    // start goes on as the first one.
    void anotherUsersListenerIsNotObeyed()
    {
        if (getuid() != 0)
            QSKIP("only root can listen as another user");
        QTemporaryDir shared;
        sockaddr_un address = {AF_UNIX, {}};
        const QByteArray name = QFile::encodeName(shared.path() + "/instance");
        std::strncpy(address.sun_path, name.constData(), sizeof(address.sun_path) - 1);
        const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
        // The socket's owner is the user who listens on it.
        QVERIFY(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
                ::seteuid(kOtherUser) == 0 && ::listen(listener, 4) == 0 && ::seteuid(0) == 0);
        QVERIFY(!SingleInstance(QFile::decodeName(name)).forwardToRunningInstance());
        ::close(listener);
    }
};

QTEST_GUILESS_MAIN(TestPrivateFolder)
#include "test_privatefolder.moc"
