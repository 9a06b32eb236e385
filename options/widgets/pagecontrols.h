#pragma once

#include <QLabel>
#include <QRect>
#include <QString>

// Small helpers that put a page's controls at their rectangles, named so that
// tests can find them.

namespace pagecontrols {

template <typename T>
T *place(T *widget, const char *name, const QRect &rect)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(rect);
    return widget;
}

inline QLabel *label(QWidget *parent, const QString &text, const char *name, const QRect &rect)
{
    auto *result = place(new QLabel(text, parent), name, rect);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return result;
}

} // namespace pagecontrols
