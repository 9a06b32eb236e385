#include "ui/textfit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

namespace textfit {

namespace {

// Room kept between a grown control and the next one, and at the edge.
constexpr int kGap = 4;

// The text as drawn: a mnemonic's "&" takes no room.
QString drawnText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    shown.remove(u'&');
    shown.replace(u'\x01', u'&');
    return shown;
}

bool isRule(const QWidget *w)
{
    const auto *frame = qobject_cast<const QFrame *>(w);
    return frame && frame->frameShape() == QFrame::HLine;
}

// A field a caption beside it may take some room from.
bool isField(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w);
}

// The nearest sibling on w's row to its right (toRight) or left.
QWidget *neighbour(const QWidget *w, const QWidget *container, bool toRight)
{
    const QRect g = w->geometry();
    QWidget *nearest = nullptr;
    for (QObject *object : container->children()) {
        auto *other = qobject_cast<QWidget *>(object);
        if (!other || other == w || other->isWindow() || isRule(other))
            continue;
        const QRect o = other->geometry();
        if (o.bottom() < g.top() || o.top() > g.bottom())
            continue;
        if (toRight ? o.left() >= g.right() - 1 && (!nearest || o.left() < nearest->x())
                    : o.right() <= g.left() + 1 && (!nearest || o.right() > nearest->geometry().right()))
            nearest = other;
    }
    return nearest;
}

// How far w may reach to the right: up to the nearest sibling that overlaps its
// row, or the container's edge. A heading's rule gives way instead.
int rightLimit(const QWidget *w, const QWidget *container)
{
    const QRect g = w->geometry();
    int limit = container->width() - kGap;
    for (const QObject *object : container->children()) {
        const auto *other = qobject_cast<const QWidget *>(object);
        if (!other || other == w || other->isWindow() || isRule(other))
            continue;
        const QRect o = other->geometry();
        if (o.bottom() < g.top() || o.top() > g.bottom() || o.left() < g.right() - 1)
            continue;
        limit = std::min(limit, o.left() - kGap);
    }
    return limit;
}

// How far a word-wrapped label may reach downwards.
int bottomLimit(const QWidget *w, const QWidget *container)
{
    const QRect g = w->geometry();
    int limit = container->height() - kGap;
    for (const QObject *object : container->children()) {
        const auto *other = qobject_cast<const QWidget *>(object);
        if (!other || other == w || other->isWindow())
            continue;
        const QRect o = other->geometry();
        if (o.right() < g.left() || o.left() > g.right() || o.top() < g.bottom() - 1)
            continue;
        limit = std::min(limit, o.top() - kGap);
    }
    return limit;
}

// Rules that a grown caption now reaches start after it.
void shortenRules(const QWidget *w, const QWidget *container)
{
    const QRect g = w->geometry();
    for (QObject *object : container->children()) {
        auto *rule = qobject_cast<QFrame *>(object);
        if (!rule || !isRule(rule))
            continue;
        QRect r = rule->geometry();
        if (r.bottom() < g.top() || r.top() > g.bottom() || r.left() > g.right() + kGap || r.right() < g.left())
            continue;
        r.setLeft(g.right() + kGap);
        rule->setGeometry(r);
    }
}

// Room taken for a caption from the field beside it: the field moves over
// into free room beyond it first, and gives up at most 40 % of its width.
// Returns the pixels gained.
int takeFromField(QWidget *field, const QWidget *container, int wanted, bool fieldOnTheRight)
{
    if (!field || !isField(field) || wanted <= 0)
        return 0;
    QRect f = field->geometry();
    int gained = 0;
    if (fieldOnTheRight) {
        const int room = std::max(0, rightLimit(field, container) - f.right());
        const int moved = std::min(wanted, room);
        f.translate(moved, 0);
        gained += moved;
    }
    const int shrunk = std::min(wanted - gained, f.width() * 2 / 5);
    if (fieldOnTheRight)
        f.setLeft(f.left() + shrunk);
    else
        f.setRight(f.right() - shrunk);
    gained += shrunk;
    field->setGeometry(f);
    return gained;
}

void fitLabel(QLabel *label, const QWidget *container)
{
    if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
        return;
    const QString full = label->text();
    const QFontMetrics metrics = label->fontMetrics();
    QRect g = label->geometry();
    if (label->wordWrap()) {
        const int wanted = label->heightForWidth(g.width());
        if (wanted > g.height())
            g.setHeight(std::min(wanted, bottomLimit(label, container) - g.top()));
        label->setGeometry(g);
        if (label->heightForWidth(g.width()) > g.height() && label->toolTip().isEmpty())
            label->setToolTip(full);
        return;
    }
    const int needed = metrics.horizontalAdvance(drawnText(full)) + 2 * label->margin() + 1;
    if (needed <= g.width())
        return;
    g.setWidth(std::max(g.width(), std::min(needed, rightLimit(label, container) - g.left())));
    if (needed > g.width())
        g.setWidth(g.width() + takeFromField(neighbour(label, container, true), container, needed - g.width(), true));
    label->setGeometry(g);
    shortenRules(label, container);
    if (needed <= g.width())
        return;
    // Free room below for the lines it needs: it wraps.
    if (full.contains(u' ')) {
        label->setWordWrap(true);
        const int wanted = label->heightForWidth(g.width());
        if (wanted > 0 && g.top() + wanted <= bottomLimit(label, container)) {
            g.setHeight(wanted);
            label->setGeometry(g);
            return;
        }
        label->setWordWrap(false);
    }
    label->setText(metrics.elidedText(full, Qt::ElideRight, g.width() - 2 * label->margin()));
    if (label->toolTip().isEmpty())
        label->setToolTip(drawnText(full));
}

void fitButton(QAbstractButton *button, const QWidget *container)
{
    if (button->text().isEmpty())
        return;
    const QString full = button->text();
    QRect g = button->geometry();
    const int needed = button->sizeHint().width();
    if (needed <= g.width())
        return;
    g.setWidth(std::max(g.width(), std::min(needed, rightLimit(button, container) - g.left())));
    // A push button at the end of its row widens to the left: into free room,
    // then into its field.
    if (needed > g.width() && qobject_cast<QPushButton *>(button)) {
        QWidget *left = neighbour(button, container, false);
        const int room = std::max(0, g.left() - kGap - (left ? left->geometry().right() + 1 : 0));
        g.setLeft(g.left() - std::min(room, needed - g.width()));
        if (needed > g.width())
            g.setLeft(g.left() - takeFromField(left, container, needed - g.width(), false));
    }
    button->setGeometry(g);
    if (needed <= g.width())
        return;
    // What the text may take: the control's width less its box or frame.
    const int frame = needed - button->fontMetrics().horizontalAdvance(drawnText(full));
    button->setText(button->fontMetrics().elidedText(full, Qt::ElideRight, std::max(g.width() - frame, 0)));
    if (button->toolTip().isEmpty())
        button->setToolTip(drawnText(full));
}

} // namespace

void fitTexts(QWidget *container)
{
    for (QObject *object : container->children()) {
        auto *w = qobject_cast<QWidget *>(object);
        if (!w || w->isWindow())
            continue;
        if (auto *label = qobject_cast<QLabel *>(w); label && label->pixmap().isNull())
            fitLabel(label, container);
        else if (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w) || qobject_cast<QPushButton *>(w))
            fitButton(static_cast<QAbstractButton *>(w), container);
    }
}

} // namespace textfit
