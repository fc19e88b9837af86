#pragma once
// A small HTTP server on the loopback address for tests of the web requests. Each path is
// answered as the test chose: a body with a status, or never (the connection stays open and
// silent). Unknown paths get 404.
//
//     LoopbackWebServer site;
//     site.serve("/velmora/news.txt", "20261205Hello");
//     site.neverAnswer("/velmora/index.html");
//     site.redirect("/velmora/old.txt", "/velmora/news.txt");   // a 302 with that Location
//     prefs.webSite = site.address();
//     QString refused = LoopbackWebServer::refusingAddress();   // nobody listens there
#include <QHash>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace velmora::testing {

class LoopbackWebServer : public QObject
{
public:
    LoopbackWebServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        });
    }

    // "http://127.0.0.1:<port>"
    QString address() const { return addressOf(m_server); }
    void serve(const QString& path, const QByteArray& body, int status = 200)
    {
        m_answers.insert(path, {body, status});
    }
    void neverAnswer(const QString& path) { m_answers.insert(path, {{}, 0}); }
    void redirect(const QString& path, const QString& location)
    {
        m_answers.insert(path, {location.toUtf8(), 302}); // the body names the new place
    }
    // The requests answered or left unanswered so far.
    int requests() const { return m_requests; }

    // The address of a loopback port that refuses connections.
    static QString refusingAddress()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        return addressOf(probe);
    }

private:
    static QString addressOf(const QTcpServer& server)
    {
        return QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort());
    }

    // Answers once the request's head is complete; a status of 0 never answers.
    void answer(QTcpSocket* socket)
    {
        const QByteArray request = socket->property("request").toByteArray() + socket->readAll();
        socket->setProperty("request", request);
        if (!request.contains("\r\n\r\n"))
            return;
        ++m_requests;
        const QByteArray path = request.left(request.indexOf("\r\n")).split(' ').value(1);
        const auto [body, status] =
            m_answers.value(QString::fromLatin1(path), {QByteArray("Not Found"), 404});
        if (status == 0)
            return;
        const QByteArray moved = status == 302 ? "Location: " + body + "\r\n" : QByteArray();
        const QByteArray content = status == 302 ? QByteArray() : body;
        socket->write(
            "HTTP/1.1 " + QByteArray::number(status) + " Answer\r\n" + moved +
            "Content-Type: text/plain\r\nContent-Length: " + QByteArray::number(content.size()) +
            "\r\nConnection: close\r\n\r\n" + content);
        socket->disconnectFromHost(); // after the answer is written
    }

    QTcpServer m_server;
    QHash<QString, std::pair<QByteArray, int>> m_answers;
    int m_requests = 0;
};

} // namespace velmora::testing
