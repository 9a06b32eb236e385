#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QDBusConnection>
#include <QObject>
#include <QString>

// One window per user session: the first start owns a well-known name on the
// session bus; a later start hands its files to that one and ends. Without a
// session bus every start is a program of its own.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    static constexpr const char *kServiceName = "com.kestrune.Sonavert";
    static constexpr const char *kObjectPath = "/com/kestrune/Sonavert";
    static constexpr const char *kInterface = "com.kestrune.Sonavert";

    enum class Role {
        // This process owns the name and receives the files of later starts.
        First,
        // A running instance has taken the files; this process should end.
        HandedOver,
        // No bus, or nobody answered: run a window of our own.
        Alone,
    };

    // Files reaching the first instance: absolute byte paths, and the desktop's
    // activation token of the later start (empty when it had none).
    using Receiver = std::function<void(const std::vector<std::string> &files, const QString &token)>;

    explicit SingleInstance(QDBusConnection bus, QString serviceName = QString::fromLatin1(kServiceName),
                            QObject *parent = nullptr);
    ~SingleInstance() override;

    // Claims the name, or hands files and token to its owner.
    Role start(const std::vector<std::string> &files, const QString &token);
    // Where the files of later starts go. Calls are taken from the event loop,
    // so setting it before the loop runs loses none.
    void setReceiver(Receiver receiver) { m_receiver = std::move(receiver); }

private:
    friend class SingleInstanceAdaptor;
    void receive(const QByteArrayList &files, const QString &token);

    QDBusConnection m_bus;
    QString m_serviceName;
    bool m_owner = false;
    Receiver m_receiver;
};
