#pragma once

#include <QStringList>

#include "ui/userprompts.h"

// Prompts that keep the texts of the messages and answer every dialog with
// nothing; installed for the life of the object.
class RecordingPrompts final : public UserPrompts {
public:
    RecordingPrompts() { setUserPrompts(this); }
    ~RecordingPrompts() override { setUserPrompts(nullptr); }
    RecordingPrompts(const RecordingPrompts &) = delete;
    RecordingPrompts &operator=(const RecordingPrompts &) = delete;

    void message(QWidget *, const QString &text, Icon, const QString &) override { messages << text; }
    QStringList openFiles(QWidget *, const QStringList &, const QString &) override { return {}; }
    QString chooseFolder(QWidget *, const QString &, const QString &) override { return {}; }

    QStringList messages;
};
