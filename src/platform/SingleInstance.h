#pragma once
// One Velmora per user: the first instance listens on a named local socket; a later start connects,
// asks the first to restore and raise its main window, and then ends.
#include <QObject>
#include <QString>

class QLocalServer;

namespace velmora::platform {

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // The socket name is per user; a test may pass its own.
    explicit SingleInstance(QString name = defaultName(), QObject* parent = nullptr);
    ~SingleInstance() override;

    static QString defaultName();

    // True when another instance answered and was asked to come to the front: this process ends.
    bool forwardToRunningInstance();
    // Starts listening for later starts (a stale socket of a crashed instance is removed).
    bool listen();

signals:
    // A later start asked this instance to restore and raise its main window.
    void activationRequested();

private:
    QString m_name;
    QLocalServer* m_server = nullptr;
};

} // namespace velmora::platform
