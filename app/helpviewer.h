#pragma once

#include <QWidget>

class QTextBrowser;

// The window that shows the help page snvc.html from the program folder. There is
// at most one; it is found again by its title, so every caller shares it.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    static constexpr const char *kTitle = QT_TRANSLATE_NOOP("HelpViewer", "Sonavert Help");

    // Help Topics: raises the open viewer (restoring it when minimised), or opens
    // one, in front and on the screen. Nothing opens when helpFile is empty.
    // Returns the viewer, if any.
    static HelpViewer *showHelp(const QString &helpFile, bool maximized = false);
    // The open viewer, or nullptr.
    static HelpViewer *find();
    // Closes the open viewer, if any.
    static void closeHelp();

private:
    static constexpr int kWidth = 760;
    static constexpr int kHeight = 620;

    explicit HelpViewer(const QString &helpFile);
    void placeOnScreen();
    QTextBrowser *m_browser;
};
