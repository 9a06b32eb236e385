#include "app/singleinstance.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>

// The object on the bus; its one slot is the method that later starts call.
class SingleInstanceAdaptor : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.kestrune.Sonavert")
public:
    explicit SingleInstanceAdaptor(SingleInstance *owner) : QObject(owner), m_owner(owner) {}

public slots:
    // Paths travel as byte arrays ("aay"), so names that are not UTF-8 keep
    // their bytes.
    void Open(const QByteArrayList &files, const QString &token) { m_owner->receive(files, token); }

private:
    SingleInstance *m_owner;
};

namespace {

// A running window answers at once; one that hangs must not keep the new
// start from opening a window of its own for long.
constexpr int kCallTimeoutMs = 10000;

} // namespace

SingleInstance::SingleInstance(QDBusConnection bus, QString serviceName, QObject *parent)
    : QObject(parent), m_bus(std::move(bus)), m_serviceName(std::move(serviceName))
{
    qDBusRegisterMetaType<QByteArrayList>();
}

SingleInstance::~SingleInstance()
{
    if (m_owner) {
        m_bus.unregisterObject(QString::fromLatin1(kObjectPath));
        m_bus.unregisterService(m_serviceName);
    }
}

SingleInstance::Role SingleInstance::start(const std::vector<std::string> &files, const QString &token)
{
    if (!m_bus.isConnected())
        return Role::Alone;
    // The object first, so that a call arriving right after the name is ours
    // finds it.
    auto *adaptor = new SingleInstanceAdaptor(this);
    if (m_bus.registerObject(QString::fromLatin1(kObjectPath), adaptor, QDBusConnection::ExportAllSlots)
        && m_bus.registerService(m_serviceName)) {
        m_owner = true;
        return Role::First;
    }
    m_bus.unregisterObject(QString::fromLatin1(kObjectPath));
    delete adaptor;

    QByteArrayList paths;
    for (const std::string &file : files)
        paths << QByteArray::fromStdString(file);
    QDBusMessage call = QDBusMessage::createMethodCall(m_serviceName, QString::fromLatin1(kObjectPath),
                                                      QString::fromLatin1(kInterface), QStringLiteral("Open"));
    call << QVariant::fromValue(paths) << token;
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, kCallTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage ? Role::HandedOver : Role::Alone;
}

void SingleInstance::receive(const QByteArrayList &files, const QString &token)
{
    std::vector<std::string> paths;
    for (const QByteArray &file : files)
        paths.push_back(file.toStdString());
    if (m_receiver)
        m_receiver(paths, token);
}

#include "singleinstance.moc"
