// The private folder kept outside the program folder, and what lives there: the links through
// which MAME reads folder paths, and the single-instance socket. Another user of the machine can
// neither swap a link (and so run code in the user's games) nor answer for a running Velmora.
#include "emulator_settings/MamePathLinks.h"
#include "platform/PrivateFolder.h"
#include "platform/SingleInstance.h"

#include <QtTest>

#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace velmora;
using namespace velmora::platform;

namespace {

constexpr uid_t kOtherUser = 65534; // nobody

QString refusal(const QString& path)
{
    return "Velmora cannot use the folder " + path +
           ": it is not a private folder of yours (it is a link, belongs to another user or "
           "others can write to it).  Remove it, and start Velmora again.";
}

} // namespace

class TestPrivateFolder : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_runtime; // made with mode 0700, as a session's runtime folder is

private slots:
    void init() { qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8()); }

    // Made 0700 under XDG_RUNTIME_DIR; a folder another user could change is refused whatever
    // it holds; without a private runtime folder the temporary folder takes its place.
    void madeOrRefused()
    {
        const PrivateFolder made = privateFolder();
        struct stat info = {};
        QCOMPARE(made.path, m_runtime.path() + "/velmora");
        QVERIFY(::stat(QFile::encodeName(made.path), &info) == 0 && (info.st_mode & 0777) == 0700);
        const QString open = m_runtime.path() + "/open", link = m_runtime.path() + "/link",
                      foreign = m_runtime.path() + "/foreign";
        QVERIFY(QDir().mkdir(open) && ::chmod(QFile::encodeName(open), 0777) == 0 &&
                QFile::link(made.path, link) && QDir().mkdir(foreign));
        QStringList refused{open, link};
        if (::chown(QFile::encodeName(foreign), kOtherUser, 0) == 0)
            refused << foreign; // only root can give a folder away
        for (const QString& path : refused) {
            QString error;
            QVERIFY(!makePrivateFolder(path, &error));
            QCOMPARE(error, refusal(path));
        }
        qputenv("XDG_RUNTIME_DIR", open.toUtf8());
        QCOMPARE(privateFolderPath(),
                 QDir::tempPath() + QString("/velmora-%1-private").arg(getuid()));
    }

    // A path MAME cannot read by name goes through a link in the private folder; once that
    // folder is open to others, even a link already right is not trusted.
    void mameLinksOnlyInAPrivateFolder()
    {
        setMamePathLinkFolder(QString()); // no plain program folder
        const QString roms = m_runtime.path() + "/Spiele #1";
        QVERIFY(QDir().mkdir(roms));
        QString error;
        QVERIFY2(makeMamePathLink(roms, "rompath", &error), qPrintable(error));
        const QString link = m_runtime.path() + "/velmora/mamepaths/rompath";
        QCOMPARE(mameIniFolderPath(roms, "rompath"), link);
        QCOMPARE(QFileInfo(link).symLinkTarget(), roms);
        QVERIFY(::chmod(QFile::encodeName(m_runtime.path() + "/velmora"), 0777) == 0);
        QVERIFY(!makeMamePathLink(roms, "rompath", &error));
        QCOMPARE(error, refusal(m_runtime.path() + "/velmora"));
    }

    // A listener of another user at the socket's name is not asked to raise its window: this
    // start goes on as the first one.
    void anotherUsersListenerIsNotObeyed()
    {
        if (getuid() != 0)
            QSKIP("only root can run a listener as another user");
        QTemporaryDir shared;
        QVERIFY(::chmod(QFile::encodeName(shared.path()), 0777) == 0);
        const QByteArray name = QFile::encodeName(shared.path() + "/instance");
        const pid_t listener = ::fork();
        if (listener == 0) {
            sockaddr_un address = {};
            address.sun_family = AF_UNIX;
            std::strncpy(address.sun_path, name.constData(), sizeof(address.sun_path) - 1);
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            if (::setgid(kOtherUser) != 0 || ::setuid(kOtherUser) != 0 ||
                ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
                ::listen(fd, 4) != 0)
                ::_exit(1);
            for (;;)
                ::close(::accept(fd, nullptr, nullptr));
        }
        QVERIFY(QTest::qWaitFor([&] { return QFileInfo::exists(QFile::decodeName(name)); }));
        SingleInstance instance(QFile::decodeName(name));
        const bool obeyed = instance.forwardToRunningInstance();
        ::kill(listener, SIGKILL);
        ::waitpid(listener, nullptr, 0);
        QVERIFY(!obeyed);
    }
};

QTEST_GUILESS_MAIN(TestPrivateFolder)
#include "test_privatefolder.moc"
