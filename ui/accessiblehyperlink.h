#pragma once

#include <QAccessibleWidget>

class HyperlinkLabel;

// What a screen reader sees of a HyperlinkLabel: a link (not static text)
// named by its text, with the address as its description, that the press
// action opens as a click does.
class AccessibleHyperlink : public QAccessibleWidget {
public:
    explicit AccessibleHyperlink(HyperlinkLabel *label);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    HyperlinkLabel *label() const;
};

// Installs the interfaces of the program's own widgets; call once after the
// application object exists, before the first window is shown.
void installAccessibleInterfaces();
