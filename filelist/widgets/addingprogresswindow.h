#pragma once

#include "ui/progresswindow.h"
#include "filelist/addingprogress.h"

class QLabel;
class QProgressBar;

// The adding progress window: "Searching files..." or "Adding file %d of %d...",
// one bar counting the files started, Cancel.
class AddingProgressWindow : public ProgressWindow, public AddingProgress {
    Q_OBJECT
public:
    AddingProgressWindow();

    void setText(const std::string &text) override;
    void startBar(int maximum) override;
    void stepBar() override;

    QString text() const;
    QProgressBar *bar() const { return m_bar; }

signals:
    void textChanged(const QString &text);

private:
    QLabel *m_text;
    QProgressBar *m_bar;
};
