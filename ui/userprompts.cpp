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

    QStringList openFiles(QWidget *owner, const QStringList &filters, const QString &start) override
    {
        return QFileDialog::getOpenFileNames(owner, QString(), start,
                                             filters.join(QStringLiteral(";;")));
    }

    QString chooseFolder(QWidget *owner, const QString &title, const QString &start) override
    {
        return QFileDialog::getExistingDirectory(owner, title, start);
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
