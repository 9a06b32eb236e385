#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

#include <functional>

// Hands the modal window that the code under test is about to open to check,
// then closes every modal window still open. A failed QVERIFY or QCOMPARE
// returns from check early; the closing lets the test return and report the
// failure rather than hang in the window's event loop.
inline void whenModal(QObject *context, const std::function<void(QWidget *)> &check)
{
    QTimer::singleShot(0, context, [check] {
        check(QApplication::activeModalWidget());
        for (int left = 10; left > 0; --left) {
            QWidget *open = QApplication::activeModalWidget();
            if (!open)
                break;
            if (auto *dialog = qobject_cast<QDialog *>(open))
                dialog->reject();
            else
                open->close();
        }
    });
}
