#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

#include "app/commandenabling.h"

class BCMenu;
class CommandTarget;
class QAbstractButton;
class QMenu;

// Every command of the main window, whether it comes from a button, the context
// menu over the file list, the help menu, a key or a double-click on a row, goes
// through run(). Also owns the two popup menus and the window's keys.
class MainCommands : public QObject {
    Q_OBJECT
public:
    // helpFile is the help page Help Topics shows; empty: none.
    MainCommands(CommandTarget &target, const QString &helpFile);

    void run(Command command);
    // Makes the button run the command when clicked. The button bound to the help
    // menu command is where that menu opens.
    void bindButton(QAbstractButton *button, Command command);

    BCMenu *contextMenu() const { return m_contextMenu; }
    BCMenu *helpMenu() const { return m_helpMenu; }

    // The file list's rows and selection as the enabling rules see them.
    ListSelectionState selectionState() const;
    // Enables the menu's items by the rules; an item with a submenu follows the
    // submenu's first item.
    void applyEnabling(QMenu *menu) const;

    // Where a context menu asked for from the keyboard opens: the centre of the
    // rectangle, halves rounded down as the platform's own menus do.
    static QPoint keyboardMenuPoint(const QRect &globalRect);

    void showContextMenu(const QPoint &globalPos);
    void showHelpMenu();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createShortcuts();
    void playSource();
    void playDestination();
    void browseSourceFolder();
    void browseDestinationFolder();
    void helpTopics();
    void openSiteLink(const QString &link);
    QPoint fileListCentre() const;

    CommandTarget &m_target;
    QWidget &m_window;
    QString m_helpFile;
    BCMenu *m_contextMenu;
    BCMenu *m_helpMenu;
    QAbstractButton *m_helpButton = nullptr;
    const QObject *m_list = nullptr;
    const QObject *m_rows = nullptr;
};
