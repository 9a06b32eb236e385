#pragma once

#include <QDialog>
#include <QList>

class OptionsPage;
class QTabWidget;

// The "Options" property sheet: its pages on tabs, OK and Cancel. A page is
// asked before it is left (for another tab or by OK) and may refuse; the page
// that is active when the sheet closes, by OK or by Cancel, is remembered.
class COptSheet : public QDialog {
    Q_OBJECT

public:
    explicit COptSheet(QWidget *owner = nullptr);

    // Adds a page on a tab of its own; the sheet takes ownership.
    void addPage(OptionsPage *page, const QString &title);
    // The page to open on: index when it names a page, else the first page.
    void setStartPage(int index);

    // The page shown now.
    int activePage() const { return m_active; }
    // Switches as the user would; false when the page being left refuses.
    bool setActivePage(int index);
    // The page that was active when the sheet last closed.
    int lastActivePage() const { return m_lastActive; }

    void accept() override;
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void onTabChanged(int index);
    void showPage(int index);
    OptionsPage *page(int index) const;

    QTabWidget *m_tabs = nullptr;
    QList<OptionsPage *> m_pages;
    int m_active = -1;
    int m_lastActive = 0;
    bool m_switching = false;
    bool m_arrowCursor = false;
};
