#pragma once

#include <functional>

#include <QString>
#include <QStringList>

class QWidget;

// Every message box and file or folder dialog of the program goes through this
// seam, so that tests can answer them without a person.
class UserPrompts {
public:
    enum class Icon { Information, Warning };

    virtual ~UserPrompts() = default;

    // A message box with an OK button.
    virtual void message(QWidget *owner, const QString &text, Icon icon,
                         const QString &caption = QStringLiteral("Sonavert")) = 0;
    // The open-file dialog starting in the folder start; empty when cancelled.
    virtual QStringList openFiles(QWidget *owner, const QStringList &filters, const QString &start) = 0;
    // The folder chooser starting at start; empty when cancelled.
    virtual QString chooseFolder(QWidget *owner, const QString &title, const QString &start) = 0;
    // A Yes/No question asked without waiting for it: work on the event loop
    // goes on while it is open. answer(true) for Yes, once, later. Unless a
    // test says otherwise the answer is No.
    virtual void ask(QWidget *owner, const QString &text, std::function<void(bool yes)> answer)
    {
        (void)owner;
        (void)text;
        answer(false);
    }
};

// The prompts in use: real dialogs unless a test installed its own.
UserPrompts &userPrompts();
// Installs prompts (nullptr restores the real dialogs). The caller keeps ownership.
void setUserPrompts(UserPrompts *prompts);
