#pragma once
// One Velmora per user: the first instance listens on a local socket in the user's private folder
// (PrivateFolder.h); a later start connects, asks the first to restore and raise its main window,
// and then ends. Both ends check that the other is a process of the same user, so another user
// can neither stop Velmora from starting nor raise its window.
#include <QObject>
#include <QString>

class QLocalServer;

namespace velmora::platform {

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // The socket's path (or a name under the temporary folder); a test may pass its own.
    explicit SingleInstance(QString name = defaultName(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // "instance" in the private folder; empty when the private folder is refused (then no rule
    // applies, and problem() says why).
    static QString defaultName();
    QString problem() const { return m_problem; }

    // True when another instance of this user answered and was asked to come to the front: this
    // process ends.
    bool forwardToRunningInstance();
    // Starts listening for later starts (a stale socket of a crashed instance is removed).
    bool listen();

signals:
    // A later start asked this instance to restore and raise its main window.
    void activationRequested();

private:
    QString m_name;
    QString m_problem;
    QLocalServer* m_server = nullptr;
};

} // namespace velmora::platform
