#include "platform/SingleInstance.h"

#include "platform/PrivateFolder.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <sys/socket.h>
#include <unistd.h>

namespace velmora::platform {
namespace {
const QByteArray kRaise = QByteArrayLiteral("raise\n");
constexpr int kConnectTimeoutMs = 1000;

// Whether the process at the other end of a connected local socket runs as this user.
bool peerIsThisUser(const QLocalSocket& socket)
{
    struct ucred peer = {};
    socklen_t size = sizeof(peer);
    return ::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) ==
               0 &&
           peer.uid == ::getuid();
}

} // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name))
{
    if (m_name.isEmpty())
        m_problem = privateFolder().error;
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultName()
{
    const PrivateFolder folder = privateFolder();
    return folder.ok() ? folder.path + QStringLiteral("/instance") : QString();
}

bool SingleInstance::forwardToRunningInstance()
{
    if (m_name.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kConnectTimeoutMs) || !peerIsThisUser(socket))
        return false;
    socket.write(kRaise);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen()
{
    if (m_name.isEmpty())
        return false;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // Nobody of this user answered forwardToRunningInstance(), so a socket left here belongs
        // to a crashed run.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name))
            return false;
    }
    // A connection of this user is a later start asking for the window: the message itself is
    // not needed. Anyone else is not listened to.
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            if (peerIsThisUser(*socket))
                emit activationRequested();
            else
                socket->abort();
        }
    });
    return true;
}

} // namespace velmora::platform
