#pragma once

#include <QTimeEdit>

// A time editor for the controller's times, which are whole tenths of a second: every entered or
// stepped time is snapped to a tenth before it is reported.
class MyTimeEdit : public QTimeEdit
{
    Q_OBJECT

public:
    explicit MyTimeEdit(QWidget *parent = nullptr);

signals:
    // The time after snapping; once for every change of the editor's time.
    void timeChanged(QTime &time);

public slots:
    void updateDisplay(QTime time);

private:
    void connectSnapping();
};
