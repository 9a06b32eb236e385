#include "ui/userprompts.h"

#include <QAbstractFileIconProvider>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QWindow>
#include <QMimeDatabase>
#include <QSettings>
#include <QUrl>

#include "platform/pseudofolder.h"

namespace {

bool isPseudo(const QString &path)
{
    return isPseudoFileSystemPath(QFile::encodeName(path).toStdString());
}

QStringList withoutPseudoFolders(const QStringList &folders)
{
    QStringList kept;
    for (const QString &folder : folders) {
        if (!isPseudo(folder))
            kept << folder;
    }
    return kept;
}

// Icons and type names from the file's name alone. Qt's own provider may read a
// file to learn its type, and a special file (of /proc, a FIFO) can hold that
// read, and with it the dialog, for ever.
class NameOnlyIconProvider final : public QAbstractFileIconProvider {
public:
    QIcon icon(IconType type) const override { return QAbstractFileIconProvider::icon(type); }
    QIcon icon(const QFileInfo &info) const override
    {
        if (info.isDir())
            return QAbstractFileIconProvider::icon(info);
        const QIcon themed = QIcon::fromTheme(mimeOf(info).iconName());
        return themed.isNull() ? QAbstractFileIconProvider::icon(File) : themed;
    }
    QString type(const QFileInfo &info) const override
    {
        if (info.isDir() || info.isSymLink())
            return QAbstractFileIconProvider::type(info);
        return mimeOf(info).comment();
    }

private:
    QMimeType mimeOf(const QFileInfo &info) const
    {
        return m_mimes.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    }
    QMimeDatabase m_mimes;
};

// Qt's file dialog restores the folder it last showed and its history from the
// user's Qt settings, and starts reading that folder at once: a pseudo folder
// kept there would hang every later dialog. Such entries are dropped.
void forgetPseudoFolders()
{
    QSettings qt(QSettings::UserScope, QStringLiteral("QtProject"));
    qt.beginGroup(QStringLiteral("FileDialog"));
    const QUrl last = qt.value(QStringLiteral("lastVisited")).toUrl();
    if (last.isLocalFile() && isPseudo(last.toLocalFile()))
        qt.setValue(QStringLiteral("lastVisited"), QUrl::fromLocalFile(QDir::homePath()).toString());
    const QStringList history = qt.value(QStringLiteral("history")).toStringList();
    QStringList kept;
    for (const QString &entry : history) {
        const QUrl url(entry);
        if (!(url.isLocalFile() && isPseudo(url.toLocalFile())))
            kept << entry;
    }
    if (kept.size() != history.size())
        qt.setValue(QStringLiteral("history"), kept);
}

// Runs a file dialog so that it neither starts in, offers nor remembers a
// pseudo folder, and never reads a file to learn its type.
bool runDialog(QFileDialog &dialog, const QString &start)
{
    dialog.setDirectory(start.isEmpty() || isPseudo(start) ? QDir::homePath() : start);
    dialog.setHistory(withoutPseudoFolders(dialog.history()));
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // The folder shown last is where the next dialog of this run starts.
    if (isPseudo(dialog.directory().absolutePath()))
        dialog.setDirectory(QDir::homePath());
    dialog.setHistory(withoutPseudoFolders(dialog.history()));
    return accepted;
}

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
        forgetPseudoFolders();
        NameOnlyIconProvider icons;
        QFileDialog dialog(owner);
        dialog.setIconProvider(&icons);
        dialog.setFileMode(QFileDialog::ExistingFiles);
        dialog.setNameFilters(filters);
        if (!runDialog(dialog, start))
            return {};
        return dialog.selectedFiles();
    }

    QString chooseFolder(QWidget *owner, const QString &title, const QString &start) override
    {
        forgetPseudoFolders();
        NameOnlyIconProvider icons;
        QFileDialog dialog(owner, title);
        dialog.setIconProvider(&icons);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        if (!runDialog(dialog, start))
            return {};
        const QStringList picked = dialog.selectedFiles();
        return picked.isEmpty() ? QString() : picked.front();
    }

    void ask(QWidget *owner, const QString &text, std::function<void(bool yes)> answer) override
    {
        // No parent: the owner is disabled while its work runs, and would take
        // the box with it. It still stays in front of the owner.
        auto *box = new QMessageBox(QMessageBox::Question, QStringLiteral("Sonavert"), text,
                                    QMessageBox::Yes | QMessageBox::No);
        box->winId();
        if (owner && owner->window()->windowHandle())
            box->windowHandle()->setTransientParent(owner->window()->windowHandle());
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
