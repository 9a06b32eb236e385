#include "ui/accessiblehyperlink.h"

#include <QWidget>

#include "ui/hyperlinklabel.h"

namespace {

QAccessibleInterface *programInterfaces(const QString &className, QObject *object)
{
    // The factory is asked once per class up the hierarchy: only the exact
    // class is answered, so a subclass could still bring its own.
    if (className == QLatin1String("HyperlinkLabel"))
        return new AccessibleHyperlink(static_cast<HyperlinkLabel *>(object));
    // A window made from a plain widget (the skinned, frameless main window)
    // would pass for a mere pane; it is a window with its title as its name.
    const QMetaObject *meta = object->metaObject();
    if (object->isWidgetType() && static_cast<QWidget *>(object)->isWindow()
        && className == QLatin1String(meta->className()) && meta->superClass() == &QWidget::staticMetaObject)
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

AccessibleHyperlink::AccessibleHyperlink(HyperlinkLabel *label)
    : QAccessibleWidget(label, QAccessible::Link)
{
}

HyperlinkLabel *AccessibleHyperlink::label() const
{
    return static_cast<HyperlinkLabel *>(widget());
}

QString AccessibleHyperlink::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return label()->accessibleName().isEmpty() ? label()->text() : label()->accessibleName();
    case QAccessible::Description:
        return label()->accessibleDescription().isEmpty() ? label()->link()
                                                          : label()->accessibleDescription();
    case QAccessible::Value:
        return label()->link();
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State AccessibleHyperlink::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.linked = true;
    s.traversed = label()->isVisited();
    return s;
}

QStringList AccessibleHyperlink::actionNames() const
{
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void AccessibleHyperlink::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        label()->followLink();
    else
        QAccessibleWidget::doAction(actionName);
}

void installAccessibleInterfaces()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(programInterfaces);
}
