#include "queuedinputdrop.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QThread>

QueuedInputDrop::QueuedInputDrop()
    : loopLevel(QThread::currentThread()->loopLevel())
{ }

void QueuedInputDrop::flush()
{
    QueuedInputDrop filter;
    QCoreApplication::instance()->installEventFilter(&filter);
    // sync() also fetches what the window system sent but this program has not read yet.
    QGuiApplication::sync();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&filter);
}

bool QueuedInputDrop::eventFilter(QObject *watched, QEvent *event)
{
    if (QThread::currentThread()->loopLevel() > loopLevel)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseMove:
        // Only a drag acts; a plain move may update what is hovered.
        return static_cast<QMouseEvent *>(event)->buttons() != Qt::NoButton;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::NativeGesture:
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}
