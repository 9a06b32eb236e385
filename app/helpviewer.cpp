#include "app/helpviewer.h"

#include <algorithm>

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpViewer::HelpViewer(const QString &helpFile)
    : m_browser(new QTextBrowser(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr(kTitle));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    m_browser->setOpenExternalLinks(true);
    m_browser->setSource(QUrl::fromLocalFile(helpFile));
    resize(kWidth, kHeight);
    // Maximised at the first start it covers the main window: the keys that
    // close a viewer elsewhere close it here too.
    for (const QKeySequence &keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &QWidget::close);
    }
}

HelpViewer *HelpViewer::find()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *viewer = qobject_cast<HelpViewer *>(w); viewer && viewer->windowTitle() == tr(kTitle))
            return viewer;
    }
    return nullptr;
}

HelpViewer *HelpViewer::showHelp(const QString &helpFile, bool maximized)
{
    if (HelpViewer *viewer = find()) {
        // Back to the state it had before it was minimised, maximised included.
        if (viewer->isMinimized())
            viewer->setWindowState(viewer->windowState() & ~Qt::WindowMinimized);
        viewer->show();
        viewer->raise();
        viewer->activateWindow();
        return viewer;
    }
    if (helpFile.isEmpty() || !QFileInfo::exists(helpFile))
        return nullptr;
    auto *viewer = new HelpViewer(helpFile);
    viewer->placeOnScreen();
    if (maximized)
        viewer->showMaximized();
    else
        viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

void HelpViewer::placeOnScreen()
{
    // Centred on the screen of the window it is asked from, and never larger
    // than that screen's free area with room for the title bar and frame.
    const QWidget *from = QApplication::activeWindow();
    const QScreen *screen = from ? from->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    constexpr int kFrameRoom = 64;
    const QSize size(std::min(kWidth, free.width() - kFrameRoom), std::min(kHeight, free.height() - kFrameRoom));
    resize(size);
    move(free.center() - QPoint(size.width() / 2, size.height() / 2));
}

void HelpViewer::closeHelp()
{
    if (HelpViewer *viewer = find())
        viewer->close();
}
