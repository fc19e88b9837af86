#include "support/LoopbackWebServer.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace velmora::testing {

LoopbackWebServer::LoopbackWebServer() : m_server(new QTcpServer(this))
{
    m_server->listen(QHostAddress::LocalHost);
    connect(m_server, &QTcpServer::newConnection, this, &LoopbackWebServer::onNewConnection);
}

LoopbackWebServer::~LoopbackWebServer() = default;

bool LoopbackWebServer::isListening() const
{
    return m_server->isListening();
}

QString LoopbackWebServer::address() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server->serverPort());
}

void LoopbackWebServer::serve(const QString& path, const QByteArray& body, int status)
{
    m_answers.insert(path, Answer{body, status, false});
}

void LoopbackWebServer::neverAnswer(const QString& path)
{
    m_answers.insert(path, Answer{{}, 0, true});
}

QString LoopbackWebServer::refusingAddress()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}

void LoopbackWebServer::onNewConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
    }
}

void LoopbackWebServer::onReadyRead(QTcpSocket* socket)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n"))
        return;
    ++m_requests;
    const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
    const QString path = words.size() > 1 ? QString::fromLatin1(words.at(1)) : QString();
    const Answer answer = m_answers.value(path, Answer{"Not Found", 404, false});
    if (answer.silent)
        return;
    QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status) + " Answer\r\n";
    head +=
        "Content-Type: text/plain\r\nContent-Length: " + QByteArray::number(answer.body.size()) +
        "\r\nConnection: close\r\n\r\n";
    socket->write(head + answer.body);
    connect(socket, &QTcpSocket::bytesWritten, socket, [socket] {
        if (socket->bytesToWrite() == 0)
            socket->disconnectFromHost();
    });
}

} // namespace velmora::testing
