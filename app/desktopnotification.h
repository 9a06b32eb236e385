#pragma once

#include <QString>

// Shows a desktop notification through the freedesktop notification service
// on the session bus; does nothing where no such service runs. Never waits
// for an answer.
void sendDesktopNotification(const QString &summary, const QString &body);
