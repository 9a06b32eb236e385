#include "options/widgets/coptsheet.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "options/widgets/dialogunits.h"
#include "options/widgets/optionspage.h"

COptSheet::COptSheet(QWidget *owner)
    : QDialog(owner)
    , m_tabs(new QTabWidget(this))
{
    setWindowTitle(tr("Options"));
    setFont(optionsFont());

    m_tabs->setObjectName(QStringLiteral("pages"));
    // No Apply and no Help: OK and Cancel only.
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &COptSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &COptSheet::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_tabs, &QTabWidget::currentChanged, this, &COptSheet::onTabChanged);
}

OptionsPage *COptSheet::page(int index) const
{
    return index >= 0 && index < m_pages.size() ? m_pages[index] : nullptr;
}

void COptSheet::addPage(OptionsPage *page, const QString &title)
{
    m_pages.append(page);
    m_switching = true;
    m_tabs->addTab(page, title);
    m_tabs->setCurrentIndex(m_active < 0 ? 0 : m_active);
    m_switching = false;

    // A page joins the focus chain after OK and Cancel; the keyboard meets its
    // fields first, as the eye does, and the buttons last. (Tab order links
    // focusable widgets only.)
    QWidget *last = nullptr;
    for (QWidget *at = page->nextInFocusChain(); at != page && page->isAncestorOf(at); at = at->nextInFocusChain()) {
        if (at->focusPolicy() & Qt::TabFocus)
            last = at;
    }
    if (auto *buttons = last ? findChild<QDialogButtonBox *>(QStringLiteral("buttons")) : nullptr) {
        for (QAbstractButton *button : buttons->buttons()) {
            QWidget::setTabOrder(last, button);
            last = button;
        }
    }
}

void COptSheet::setStartPage(int index)
{
    showPage(page(index) ? index : 0);
}

void COptSheet::showPage(int index)
{
    OptionsPage *next = page(index);
    if (!next)
        return;
    // A page's controls are filled just before it first shows.
    next->setUpOnce();
    m_switching = true;
    m_tabs->setCurrentIndex(index);
    m_switching = false;
    m_active = index;
}

bool COptSheet::setActivePage(int index)
{
    if (index == m_active)
        return true;
    if (!page(index))
        return false;
    OptionsPage *current = page(m_active);
    if (current && !current->leave())
        return false;
    showPage(index);
    return true;
}

void COptSheet::onTabChanged(int index)
{
    if (m_switching)
        return;
    // The tab bar has already moved: put it back while the page being left is
    // asked, so that its message and focus land on the page itself.
    const int wanted = index;
    m_switching = true;
    m_tabs->setCurrentIndex(m_active);
    m_switching = false;
    setActivePage(wanted);
}

void COptSheet::accept()
{
    OptionsPage *current = page(m_active);
    if (current && !current->leave())
        return;
    QDialog::accept();
}

void COptSheet::done(int result)
{
    m_lastActive = m_active < 0 ? 0 : m_active;
    QDialog::done(result);
}

void COptSheet::showEvent(QShowEvent *event)
{
    if (m_active < 0)
        setStartPage(0);
    // The Options command holds the wait cursor from start to end; over the
    // sheet itself the user needs the ordinary pointer.
    if (!m_arrowCursor) {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        m_arrowCursor = true;
    }
    QDialog::showEvent(event);
}

void COptSheet::hideEvent(QHideEvent *event)
{
    if (m_arrowCursor) {
        QApplication::restoreOverrideCursor();
        m_arrowCursor = false;
    }
    QDialog::hideEvent(event);
}
