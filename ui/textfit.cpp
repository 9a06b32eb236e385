#include "ui/textfit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
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

// How far w may reach to the right: up to the nearest sibling that overlaps its
// row, or the container's edge.
int rightLimit(const QWidget *w, const QWidget *container)
{
    const QRect g = w->geometry();
    int limit = container->width() - kGap;
    for (const QObject *object : container->children()) {
        const auto *other = qobject_cast<const QWidget *>(object);
        if (!other || other == w || other->isWindow())
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
    label->setGeometry(g);
    if (needed <= g.width())
        return;
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
