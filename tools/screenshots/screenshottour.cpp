#include "screenshottour.h"

#include <functional>
#include <utility>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QToolTip>

#include "app/aboutbox.h"
#include "app/mainmenus.h"
#include "app/mainwindow.h"
#include "batch/widgets/batchprogresswindow.h"
#include "filelist/widgets/medialistview.h"

namespace {

constexpr int kSettleMs = 400;

void saveWidget(QWidget *widget, const QString &file)
{
    if (widget)
        widget->grab().save(file);
}

// What the screen shows around the window, so that popups over it are in the
// picture too.
void saveScreenArea(const QRect &area, const QString &file)
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(file);
}

// Runs the modal dialog that open() starts, and pictures it once it shows.
void shootModal(const std::function<void()> &open, const QString &file)
{
    QTimer::singleShot(kSettleMs, [file] {
        QWidget *dialog = QApplication::activeModalWidget();
        saveWidget(dialog, file);
        if (dialog)
            dialog->close();
    });
    open();
}

// The same with another page of the dialog's tabs ("pages") in front.
void shootModalPage(const std::function<void()> &open, int page, const QString &file)
{
    QTimer::singleShot(kSettleMs, [page, file] {
        QPointer<QWidget> dialog = QApplication::activeModalWidget();
        if (auto *tabs = dialog ? dialog->findChild<QTabWidget *>(QStringLiteral("pages")) : nullptr)
            tabs->setCurrentIndex(page);
        QTimer::singleShot(kSettleMs, [dialog, file] {
            saveWidget(dialog, file);
            if (dialog)
                dialog->close();
        });
    });
    open();
}

// Pops the menu up with one item under the mouse, so the selected look is in
// the picture too.
void shootMenu(MainWindow *window, const QList<BCMenuItem> &items, int selected, const QPoint &at,
               const QString &file, const std::function<void()> &next)
{
    QMenu *menu = mainmenus::createMenu(items, window);
    menu->popup(window->mapToGlobal(at));
    menu->setActiveAction(menu->actions().value(selected));
    QTimer::singleShot(kSettleMs, window, [window, menu, file, next] {
        const QRect area = window->frameGeometry().united(menu->geometry());
        saveScreenArea(area, file);
        menu->close();
        menu->deleteLater();
        QTimer::singleShot(kSettleMs, window, next);
    });
}

} // namespace

void startScreenshotTour(MainWindow *window, const QString &folder, const QString &addFolder)
{
    QDir().mkpath(folder);
    const QDir out(folder);
    auto path = [out](const char *name) { return out.filePath(QString::fromLatin1(name)); };

    auto finish = [window, path] {
        shootModal([window] { window->showOptions(); }, path("options.png"));
        shootModalPage([window] { window->showOptions(); }, 1, path("options-audio.png"));
        shootModal([window] { showAboutBox(window); }, path("about.png"));
        window->close();
    };
    // Converting the list: the progress window once two conversions report
    // their percentages at the same time (with more than one at once).
    auto converting = [window, path, finish] {
        auto *shot = new QObject(window);
        QObject::connect(window, &MainWindow::batchWindowOpened, shot, [path, shot](BatchProgressWindow *bw) {
            QObject::connect(bw, &BatchProgressWindow::lineTextChanged, shot, [bw, path, shot] {
                int reporting = 0;
                for (int n = 0; n < bw->lineCount(); ++n)
                    reporting += bw->lineText(n).endsWith('%') ? 1 : 0;
                if (reporting < 2 || shot->property("taken").toBool())
                    return;
                shot->setProperty("taken", true);
                // Once the bar has followed its text; any later and a quick
                // batch on an idle machine may already be over.
                QTimer::singleShot(0, bw, [bw, path] { saveWidget(bw, path("batchprogress.png")); });
            });
        });
        QObject::connect(window, &MainWindow::workFinished, shot, [window, path, shot, finish] {
            shot->deleteLater();
            QTimer::singleShot(kSettleMs, window, [window, path, finish] {
                saveWidget(window, path("converted.png"));
                finish();
            });
        });
        window->convertAll();
    };
    auto helpMenu = [window, path, converting] {
        shootMenu(window, mainmenus::helpMenuItems(), 3, QPoint(624, 32), path("helpmenu.png"), converting);
    };
    auto contextMenu = [window, path, helpMenu] {
        shootMenu(window, mainmenus::contextMenuItems(), 9, QPoint(330, 140), path("contextmenu.png"),
                  helpMenu);
    };
    auto hover = [window, path, contextMenu] {
        // The mouse resting on Convert (the hot plate and the tooltip); in the
        // same picture, the frame that Close shows under the mouse.
        QList<QAbstractButton *> lit;
        QAbstractButton *convert = nullptr;
        for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
            if (b->toolTip() == QStringLiteral("Convert all files"))
                convert = b;
            if (b == convert || b->toolTip() == QStringLiteral("Close"))
                lit << b;
        }
        for (QAbstractButton *b : lit) {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), b->mapToGlobal(QPointF(5, 5)));
            QApplication::sendEvent(b, &enter);
        }
        if (convert)
            QToolTip::showText(convert->mapToGlobal(QPoint(30, 30)), convert->toolTip(), convert);
        QTimer::singleShot(kSettleMs, window, [window, lit, path, contextMenu] {
            saveScreenArea(window->frameGeometry(), path("hover.png"));
            QToolTip::hideText();
            for (QAbstractButton *b : lit) {
                QEvent leave(QEvent::Leave);
                QApplication::sendEvent(b, &leave);
            }
            contextMenu();
        });
    };
    auto formatSelector = [window, path, hover] {
        // The output-format selector dropped down, every format in view. The window comes
        // to the front first: the help shown at the first run lies over it.
        window->raise();
        window->activateWindow();
        // Under Wayland a drop-down opened without a click stalls the tour (the
        // compositor grants popups to user input); the picture is skipped there.
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
            QTimer::singleShot(kSettleMs, window, hover);
            return;
        }
        QComboBox *selector = window->formatSelector();
        selector->showPopup();
        QTimer::singleShot(kSettleMs, window, [window, selector, path, hover] {
            QRect area = window->frameGeometry();
            if (QWidget *popup = selector->view()->window())
                area = area.united(popup->frameGeometry());
            saveScreenArea(area, path("formatselector.png"));
            selector->hidePopup();
            QTimer::singleShot(kSettleMs, window, hover);
        });
    };
    // The keyboard focus on a caption button, the web link and Close, as Tab
    // leaves it; the list sorted by a click on Duration.
    auto focus = [window, path, formatSelector] {
        emit window->fileList()->header()->sectionClicked(1);
        // Focus shows only in the active window (the help may lie over it).
        window->raise();
        window->activateWindow();
        QTimer::singleShot(kSettleMs, window, [window, path, formatSelector] {
            const std::pair<QString, const char *> stops[] = {
                {QStringLiteral("Remove all files in list"), "focus-button.png"},
                {QStringLiteral("Close"), "focus-close.png"},
                {QStringLiteral("Visit"), "focus-link.png"},
            };
            for (const auto &[tip, file] : stops) {
                // A real Tab from the control before it: the focus shows only
                // once the keyboard has moved it.
                for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
                    if (!b->toolTip().startsWith(tip))
                        continue;
                    b->previousInFocusChain()->setFocus(Qt::OtherFocusReason);
                    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
                    QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : window, &tab);
                }
                window->repaint();
                saveWidget(window, path(file));
            }
            window->fileList()->setFocus(Qt::MouseFocusReason);
            QTimer::singleShot(kSettleMs, window, formatSelector);
        });
    };
    auto mainWindow = [window, path, focus] {
        saveWidget(window, path("mainwindow.png"));
        // Larger, as after a drag on its edge: the list and its status take the room.
        const QSize normal = window->size();
        window->resize(1000, 700);
        QTimer::singleShot(kSettleMs, window, [window, path, focus, normal] {
            saveWidget(window, path("resized.png"));
            window->resize(normal);
            QTimer::singleShot(kSettleMs, window, focus);
        });
    };

    // Adding ends on the event loop; the pictures follow once it has.
    auto afterAdding = [window, mainWindow] {
        MediaListView *list = window->fileList();
        if (list->rowCount() > 1)
            list->selectionModel()->select(list->model()->index(1, 0),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QTimer::singleShot(kSettleMs, window, mainWindow);
    };
    QTimer::singleShot(kSettleMs, window, [window, addFolder, afterAdding] {
        if (addFolder.isEmpty()) {
            afterAdding();
            return;
        }
        auto *once = new QObject(window);
        QObject::connect(window, &MainWindow::workFinished, once, [once, afterAdding] {
            once->deleteLater();
            afterAdding();
        });
        window->addDropped({QFile::encodeName(addFolder).toStdString()});
    });
}
