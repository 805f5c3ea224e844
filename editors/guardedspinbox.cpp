#include "guardedspinbox.h"

#include <QKeyEvent>

guardedSpinBox::guardedSpinBox(QWidget *parent)
    : QSpinBox(parent)
{ }

void guardedSpinBox::keyPressEvent(QKeyEvent *event)
{
    // Only the keypad's Enter accepts; Return is left to the spin box alone.
    if (event->key() == Qt::Key_Enter)
        emit valueAccepted(value());
    QSpinBox::keyPressEvent(event);
}

void guardedSpinBox::focusOutEvent(QFocusEvent *event)
{
    emit valueAccepted(value());
    QSpinBox::focusOutEvent(event);
}
