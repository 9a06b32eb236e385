#include "ui/userprompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

class DialogPrompts final : public UserPrompts {
public:
    void message(QWidget *owner, const QString &text, Icon icon, const QString &caption) override
    {
        QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                        caption, text, QMessageBox::Ok, owner);
        box.exec();
    }

    QStringList openFiles(QWidget *owner, const QStringList &filters) override
    {
        return QFileDialog::getOpenFileNames(owner, QString(), QString(),
                                             filters.join(QStringLiteral(";;")));
    }

    QString chooseFolder(QWidget *owner, const QString &title, const QString &start) override
    {
        return QFileDialog::getExistingDirectory(owner, title, start);
    }

    void ask(QWidget *owner, const QString &text, std::function<void(bool yes)> answer) override
    {
        auto *box = new QMessageBox(QMessageBox::Question, QStringLiteral("Sonavert"), text,
                                    QMessageBox::Yes | QMessageBox::No, owner);
        box->setDefaultButton(QMessageBox::No);
        box->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(box, &QMessageBox::finished, box,
                         [answer = std::move(answer)](int result) { answer(result == QMessageBox::Yes); });
        box->open();
    }
};

DialogPrompts g_dialogPrompts;
UserPrompts *g_prompts = nullptr;

} // namespace

UserPrompts &userPrompts()
{
    return g_prompts ? *g_prompts : g_dialogPrompts;
}

void setUserPrompts(UserPrompts *prompts)
{
    g_prompts = prompts;
}
