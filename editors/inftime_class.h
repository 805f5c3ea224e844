#pragma once

#include <QWidget>

class MyTimeEdit;
class QCheckBox;

// A time with a check box beside it that stands for "infinite": the program table's editor of a
// step's last time.
class infTime_class : public QWidget
{
    Q_OBJECT

public:
    explicit infTime_class(QWidget *parent = nullptr);

    // Users read and set these directly.
    MyTimeEdit *timeEdit = nullptr;
    QCheckBox *infinite = nullptr;

signals:
    // The mouse really left the editor, not just moved onto one of its parts.
    void leaved(QWidget *editor);

public slots:
    void editEnable(int state);

protected:
    void leaveEvent(QEvent *event) override;
};
