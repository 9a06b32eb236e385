#pragma once

#include <QString>

class MainWindow;

// For scripts/screenshot.sh: adds the files of addFolder (if given), then writes
// pictures of the main window (also larger), its two menus, the Options sheet and the About
// box into folder, and closes the window. Runs from the event loop.
void startScreenshotTour(MainWindow *window, const QString &folder, const QString &addFolder);
