#include "app/arrivingfiles.h"

#include <utility>

ArrivingFiles::ArrivingFiles(std::function<bool()> ready, std::function<void(std::vector<std::string>)> take,
                             QObject *parent)
    : QObject(parent), m_ready(std::move(ready)), m_take(std::move(take))
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(250);
    connect(&m_retry, &QTimer::timeout, this, &ArrivingFiles::handOver);
}

void ArrivingFiles::arrive(const std::vector<std::string> &names)
{
    m_pending.insert(m_pending.end(), names.begin(), names.end());
    handOver();
}

void ArrivingFiles::stop()
{
    m_stopped = true;
    m_retry.stop();
}

void ArrivingFiles::handOver()
{
    if (m_pending.empty() || m_stopped)
        return;
    if (!m_ready()) {
        m_retry.start();
        return;
    }
    m_take(std::exchange(m_pending, {}));
}

std::vector<std::string> ArrivingFiles::namesOfUrls(const QList<QUrl> &urls)
{
    std::vector<std::string> names;
    for (const QUrl &url : urls) {
        if (!url.isLocalFile())
            continue;
        // The bytes of the name come from the percent-encoded URL, so a name
        // that is not UTF-8 arrives unchanged.
        names.push_back(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString());
    }
    return names;
}
