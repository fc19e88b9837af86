#include "app/WebRequest.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace velmora {

WebRequest::WebRequest(QObject* parent)
    : QObject(parent), m_manager(new QNetworkAccessManager(this)), m_deadline(new QTimer(this))
{
    m_deadline->setSingleShot(true);
    connect(m_deadline, &QTimer::timeout, this, [this] { end(Outcome::Error); });
}

WebRequest::~WebRequest()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

bool WebRequest::start(const QUrl& url, qsizetype maxBytes)
{
    if (isRunning())
        return false;
    m_body.clear();
    m_maxBytes = maxBytes;
    m_url = url;
    m_redirects = 0;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    m_reply = m_manager->get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &WebRequest::readAvailable);
    connect(m_reply, &QNetworkReply::redirected, this, &WebRequest::onRedirected);
    connect(m_reply, &QNetworkReply::finished, this, &WebRequest::onReplyFinished);
    m_deadline->start(m_timeout);
    return true;
}

bool WebRequest::statusIsSuccess() const
{
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    // A status is only known once the headers arrived; a body arriving without one is not HTTP.
    const int code = status.isValid() ? status.toInt() : 0;
    return code >= 200 && code < 300;
}

// The web site may move a page within itself; an address on another host or port, or by another
// scheme, is not the web site's.
void WebRequest::onRedirected(const QUrl& target)
{
    if (!m_reply)
        return;
    const int defaultPort = m_url.scheme() == QLatin1String("https") ? 443 : 80;
    const bool sameSite = target.scheme() == m_url.scheme() && target.host() == m_url.host() &&
                          target.port(defaultPort) == m_url.port(defaultPort);
    if (!sameSite || ++m_redirects > kMaxRedirects) {
        end(Outcome::Error);
        return;
    }
    emit m_reply->redirectAllowed();
}

void WebRequest::readAvailable()
{
    if (!m_reply)
        return;
    if (!statusIsSuccess()) {
        end(Outcome::Error);
        return;
    }
    m_body += m_reply->read(m_maxBytes - m_body.size());
    if (m_body.size() >= m_maxBytes)
        end(Outcome::Complete);
}

void WebRequest::onReplyFinished()
{
    if (!m_reply)
        return;
    if (m_reply->error() != QNetworkReply::NoError || !statusIsSuccess()) {
        end(Outcome::Error);
        return;
    }
    readAvailable();
    if (m_reply)
        end(Outcome::Complete);
}

void WebRequest::end(Outcome outcome)
{
    m_deadline->stop();
    if (m_reply) {
        QNetworkReply* reply = m_reply;
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    const QByteArray body = outcome == Outcome::Complete ? m_body : QByteArray();
    m_body.clear();
    emit finished(outcome, body);
}

} // namespace velmora
