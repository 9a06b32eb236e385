#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QList>
#include <QObject>
#include <QTimer>
#include <QUrl>

// Files and folders named on a command line or handed over by a later start.
// They wait while the window cannot take them (a batch, an add, a dialog) and
// are handed on as soon as it can, rather than being refused as a drop on a
// busy window would be.
class ArrivingFiles : public QObject {
    Q_OBJECT
public:
    // ready tells whether the window can take files now; take gets them.
    ArrivingFiles(std::function<bool()> ready, std::function<void(std::vector<std::string>)> take,
                  QObject *parent = nullptr);

    void arrive(const std::vector<std::string> &names);

    // The names of the local files among dropped URLs, as bytes.
    static std::vector<std::string> namesOfUrls(const QList<QUrl> &urls);
    // Nothing is handed on from here on.
    void stop();

private:
    void handOver();

    std::function<bool()> m_ready;
    std::function<void(std::vector<std::string>)> m_take;
    std::vector<std::string> m_pending;
    QTimer m_retry;
    bool m_stopped = false;
};
