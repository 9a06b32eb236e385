#pragma once

#include <QWidget>

// A page of the Options sheet. Its controls are filled the first time the page
// is shown, so a page that is never shown hands back its values untouched; it
// is asked before it is left and may refuse.
class OptionsPage : public QWidget {
public:
    using QWidget::QWidget;

    // Fills the controls, once.
    void setUpOnce()
    {
        if (m_setUp)
            return;
        m_setUp = true;
        setUp();
    }
    bool isSetUp() const { return m_setUp; }

    // Reads the controls back and checks them; false keeps the page active
    // (the page has told the user why and put the focus on the control to mend).
    virtual bool leave() = 0;

protected:
    virtual void setUp() = 0;

private:
    bool m_setUp = false;
};
