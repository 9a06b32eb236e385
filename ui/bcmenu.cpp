#include "ui/bcmenu.h"

#include "ui/artwork.h"
#include "ui/bcmenustyle.h"
#include "ui/menuimagelist.h"

#include <algorithm>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>

namespace {

bool g_xpFlat = true;
bool g_otherFlat = true;

} // namespace

BCMenu::BCMenu(QWidget *parent)
    : QMenu(parent)
{
    applyStyle();
}

BCMenu::BCMenu(const QString &title, QWidget *parent)
    : QMenu(title, parent)
{
    applyStyle();
}

void BCMenu::applyStyle()
{
    if (!flatStyle())
        return;
    auto *style = new BCMenuStyle(isXpLook());
    style->setParent(this);
    setStyle(style);
}

QAction *BCMenu::addCommand(int command, const QString &text)
{
    QAction *action = addAction(text);
    action->setData(command);
    return action;
}

void BCMenu::addItems(const QList<BCMenuItem> &items)
{
    for (const BCMenuItem &item : items) {
        if (item.command == 0 && item.text.isEmpty())
            addSeparator();
        else
            addCommand(item.command, item.text);
    }
}

BCMenu *BCMenu::fromItems(const QList<BCMenuItem> &items, QWidget *parent)
{
    auto *menu = new BCMenu(parent);
    menu->addItems(items);
    return menu;
}

int BCMenu::commandOf(const QAction *action)
{
    return action ? action->data().toInt() : 0;
}

QAction *BCMenu::findCommand(int command) const
{
    for (QAction *action : actions()) {
        if (action->isSeparator())
            continue;
        if (QMenu *sub = action->menu()) {
            if (auto *bc = qobject_cast<BCMenu *>(sub)) {
                if (QAction *found = bc->findCommand(command))
                    return found;
            }
            continue;
        }
        if (commandOf(action) == command)
            return action;
    }
    return nullptr;
}

int BCMenu::loadToolbarImages(const QString &stripFile, const QList<int> &commands)
{
    return loadToolbarImages(artwork::image(stripFile), commands);
}

int BCMenu::loadToolbarImages(const QImage &strip, const QList<int> &commands)
{
    if (strip.isNull())
        return 0;
    const QPalette pal = QApplication::palette();
    const QColor buttonFace = pal.color(QPalette::Active, QPalette::Button);
    const QColor shadow = pal.color(QPalette::Active, QPalette::Dark);
    int taken = 0;
    // A strip drawn for a scaled screen holds its pictures at that ratio.
    const int ratio = std::max(1, qRound(strip.devicePixelRatio()));
    for (int i = 0; i < commands.size(); ++i) {
        const QRect cell(i * MenuImageList::kWidth * ratio, 0, MenuImageList::kWidth * ratio,
                         MenuImageList::kHeight * ratio);
        if (!strip.rect().contains(cell) || !findCommand(commands[i]))
            continue;
        QImage picture = strip.copy(cell);
        picture.setDevicePixelRatio(ratio);
        MenuImageList::instance().setPicture(commands[i], picture, buttonFace, shadow, isXpLook());
        ++taken;
    }
    if (taken)
        update();
    return taken;
}

int BCMenu::findShortcut(QChar character, const QStringList &texts)
{
    const QString wanted = QStringLiteral("&") + character.toLower();
    for (int i = 0; i < texts.size(); ++i) {
        if (texts[i].toLower().contains(wanted))
            return i;
    }
    return -1;
}

void BCMenu::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    const bool plainCharacter = typed.size() == 1 && typed[0].isPrint() && !typed[0].isSpace()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!plainCharacter) {
        QMenu::keyPressEvent(event);
        return;
    }
    event->accept();
    const QList<QAction *> items = actions();
    QStringList texts;
    for (QAction *action : items)
        texts << (action->isSeparator() ? QString() : action->text());
    const int index = findShortcut(typed[0], texts);
    if (index < 0 || !items[index]->isEnabled() || !items[index]->isVisible()) {
        QApplication::beep();
        return;
    }
    // Run the item as Return on it would: QMenu then reports it from exec() and
    // closes the whole menu chain (or opens the item's submenu).
    setActiveAction(items[index]);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QMenu::keyPressEvent(&enter);
}

void BCMenu::setDrawModes(bool xpFlat, bool otherFlat)
{
    g_xpFlat = xpFlat;
    g_otherFlat = otherFlat;
}

bool BCMenu::flatStyle()
{
    // No palette-based displays to rule it out on Linux.
    return isXpLook() ? g_xpFlat : g_otherFlat;
}

bool BCMenu::isXpLook()
{
    return false;
}

bool BCMenu::isBCMenu(const QMenu *menu)
{
    return qobject_cast<const BCMenu *>(menu) != nullptr;
}
