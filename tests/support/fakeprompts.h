#pragma once

#include <functional>
#include <utility>
#include <vector>

#include <QString>
#include <QStringList>

#include "ui/userprompts.h"

// Prompts in memory: keeps every message, counts the file dialogs and
// remembers what they were opened with, answers them with files and folder,
// and answers questions with yes (or keeps the answer for later when asked to).
// Installed with setUserPrompts, or by RecordingPrompts.
class FakePrompts : public UserPrompts {
public:
    struct Message {
        QString text;
        Icon icon;
        QString caption;
    };

    void message(QWidget *, const QString &text, Icon icon, const QString &caption) override
    {
        messages.push_back({text, icon, caption});
    }
    QStringList openFiles(QWidget *, const QStringList &filters, const QString &start) override
    {
        ++fileDialogs;
        lastFilters = filters;
        lastStart = start;
        return files;
    }
    QString chooseFolder(QWidget *, const QString &title, const QString &start) override
    {
        lastTitle = title;
        lastStart = start;
        return folder;
    }
    void ask(QWidget *, const QString &text, std::function<void(bool)> answer) override
    {
        questions << text;
        if (deferAnswers)
            pending = std::move(answer);
        else
            answer(yes);
    }

    // The texts of the messages, in order.
    QStringList texts() const
    {
        QStringList all;
        for (const Message &m : messages)
            all << m.text;
        return all;
    }

    std::vector<Message> messages;
    QStringList files;
    QString folder;
    int fileDialogs = 0;
    QStringList lastFilters;
    QString lastTitle;
    QString lastStart;
    QStringList questions;
    bool yes = false;
    // When set, ask() keeps the answer for the test to give later.
    bool deferAnswers = false;
    std::function<void(bool)> pending;
};
