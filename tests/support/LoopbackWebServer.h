#pragma once
// A small HTTP server on the loopback address for tests of the web requests. Each path is
// answered as the test chose: a body with a status, or never (the connection stays open and
// silent). Unknown paths get 404.
//
//     LoopbackWebServer site;
//     site.serve("/velmora/news.txt", "20261205Hello");
//     site.neverAnswer("/velmora/index.html");
//     prefs.webSite = site.address();
//     QString refused = LoopbackWebServer::refusingAddress();   // nobody listens there
#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

class QTcpServer;
class QTcpSocket;

namespace velmora::testing {

class LoopbackWebServer : public QObject
{
    Q_OBJECT
public:
    LoopbackWebServer();
    ~LoopbackWebServer() override;

    bool isListening() const;
    // "http://127.0.0.1:<port>"
    QString address() const;
    void serve(const QString& path, const QByteArray& body, int status = 200);
    void neverAnswer(const QString& path);
    int requestCount() const { return m_requests; }

    // The address of a loopback port that refuses connections.
    static QString refusingAddress();

private:
    struct Answer
    {
        QByteArray body;
        int status = 200;
        bool silent = false;
    };
    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);

    QTcpServer* m_server;
    QHash<QString, Answer> m_answers;
    int m_requests = 0;
};

} // namespace velmora::testing
