#pragma once

class QWidget;

// Shows the About box modally over owner.
void showAboutBox(QWidget *owner);
