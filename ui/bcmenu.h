#pragma once

#include <QList>
#include <QMenu>
#include <QString>

class QImage;

// One entry of a menu built from a list: a command id and its text ("\t" before
// the shortcut shown at the right). A command of 0 with an empty text is a
// separator.
struct BCMenuItem {
    int command = 0;
    QString text;
};

// The owner-drawn popup menu: every item drawn flat with a picture column whose
// pictures come from the shared MenuImageList by command id, and its own keyboard
// rule: typing a letter runs the first item whose text holds "&" and that letter,
// whatever its case.
class BCMenu : public QMenu {
    Q_OBJECT
public:
    explicit BCMenu(QWidget *parent = nullptr);
    explicit BCMenu(const QString &title, QWidget *parent = nullptr);

    // Adds an item that carries its command id (as the action's data).
    QAction *addCommand(int command, const QString &text);
    // Adds the items in order (separators included).
    void addItems(const QList<BCMenuItem> &items);
    // A menu built from a list of items.
    static BCMenu *fromItems(const QList<BCMenuItem> &items, QWidget *parent = nullptr);
    // The item with the command, in this menu or its submenus; nullptr when none.
    QAction *findCommand(int command) const;
    static int commandOf(const QAction *action);

    // Takes the pictures of a strip of 16 x 15 cells, cell i for commands[i], into
    // the shared image list, for the commands this menu holds. Returns how many it
    // took; 0 also when the strip can't be loaded.
    int loadToolbarImages(const QString &stripFile, const QList<int> &commands);
    int loadToolbarImages(const QImage &strip, const QList<int> &commands);

    // The keyboard rule: the index of the first text that holds "&" followed by
    // the character, without regard to case; -1 when none does.
    static int findShortcut(QChar character, const QStringList &texts);

    // The drawing-mode switches: flat (true) or the platform's own look (false),
    // one for the XP look and one for every other case. Both are flat by default.
    static void setDrawModes(bool xpFlat, bool otherFlat);
    // Whether the menus are drawn flat now.
    static bool flatStyle();
    // The XP look (that system with a non-classic theme): never on Linux.
    static bool isXpLook();
    // Whether a menu is one of these.
    static bool isBCMenu(const QMenu *menu);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void applyStyle();
};
