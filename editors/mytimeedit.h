#pragma once

#include <QTime>
#include <QTimeEdit>

// A time editor for the controller's times, which are whole tenths of a second: every entered or
// stepped time is snapped to a tenth before it is reported, and none beyond the largest.
class MyTimeEdit : public QTimeEdit
{
    Q_OBJECT

public:
    explicit MyTimeEdit(QWidget *parent = nullptr);

    // The largest time the controller takes here. While the editor has the focus typing is not
    // limited by it (Qt would refuse digits or move them to other sections, and a typed time
    // would turn into another one): a larger time is reported as the largest and shown so once
    // the entry ends. Without the focus it is the editor's maximum.
    void setLargestTime(const QTime &time);
    QTime largestTime() const { return largest; }

    void stepBy(int steps) override;

protected:
    // A separator typed right after a section filled up and moved on is skipped: "01 59 59"
    // means hours, minutes, seconds, not hours, seconds, tenths.
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

signals:
    // The time after snapping; once for every change of the editor's time.
    void timeChanged(QTime &time);

public slots:
    void updateDisplay(QTime time);

private:
    void connectSnapping();
    // Shows `time` without reporting it again.
    void show(const QTime &time);
    void showLargestIfBeyond();

    QTime largest;
    bool movedOnByDigit = false;
};
