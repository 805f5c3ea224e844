#pragma once

#include <QSpinBox>

// A spin box that also reports its value once the user is done with it: on the keypad's Enter
// key and whenever it loses the focus.
class guardedSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit guardedSpinBox(QWidget *parent = nullptr);

signals:
    void valueAccepted(int val);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
