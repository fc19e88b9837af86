#pragma once
// The program's one HTTP client: a GET of a text from the web site that never blocks the caller.
// The answer arrives through finished(); a request that gets no complete answer within the time
// limit is abandoned and ends as an error, as does a refused connection, a failed name lookup or
// an answer whose HTTP status is not a success. At most maxBytes of the body are read; a longer
// body ends the request as complete with what was read. A redirect is followed only to the same
// scheme, host and port, at most kMaxRedirects times; any other redirect ends as an error.
#include <QByteArray>
#include <QObject>
#include <QUrl>
#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace velmora {

class WebRequest : public QObject
{
    Q_OBJECT
public:
    enum class Outcome
    {
        Complete,
        Error
    };
    static constexpr std::chrono::milliseconds kDefaultTimeout{10000};
    static constexpr int kMaxRedirects = 5;

    explicit WebRequest(QObject* parent = nullptr);
    ~WebRequest() override;

    // Applies to the requests started afterwards.
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    std::chrono::milliseconds timeout() const { return m_timeout; }

    // Starts a GET; false (and nothing started) while another request runs.
    bool start(const QUrl& url, qsizetype maxBytes);
    bool isRunning() const { return m_reply != nullptr; }

signals:
    // Once per started request. `body` is empty for an error.
    void finished(velmora::WebRequest::Outcome outcome, const QByteArray& body);

private:
    void readAvailable();
    void onRedirected(const QUrl& target);
    void onReplyFinished();
    void end(Outcome outcome);
    bool statusIsSuccess() const;

    QNetworkAccessManager* m_manager;
    QTimer* m_deadline;
    QNetworkReply* m_reply = nullptr;
    QUrl m_url;
    int m_redirects = 0;
    QByteArray m_body;
    qsizetype m_maxBytes = 0;
    std::chrono::milliseconds m_timeout = kDefaultTimeout;
};

} // namespace velmora
