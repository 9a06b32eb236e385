#include "options/widgets/spinbuttons.h"

#include <QToolButton>

namespace {

QToolButton *arrowButton(QWidget *parent, Qt::ArrowType arrow, const char *name, const QString &accessibleName)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    // The arrows say nothing to a screen reader; the keyboard steps with the
    // arrow keys in the number box instead.
    button->setAccessibleName(accessibleName);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

SpinButtons::SpinButtons(QWidget *parent)
    : QWidget(parent)
    , m_up(arrowButton(this, Qt::UpArrow, "stepUp", tr("Increase")))
    , m_down(arrowButton(this, Qt::DownArrow, "stepDown", tr("Decrease")))
{
    connect(m_up, &QToolButton::clicked, this, [this] { emit stepped(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { emit stepped(-1); });
}

void SpinButtons::resizeEvent(QResizeEvent *)
{
    const int upper = height() / 2;
    m_up->setGeometry(0, 0, width(), upper);
    m_down->setGeometry(0, upper, width(), height() - upper);
}
