#pragma once

#include <QWidget>

class QComboBox;
class QSpinBox;

// The editor of one action code: a combo box of the action groups and, for a group with a
// parameter, a spin box for it.
class funcChooser : public QWidget
{
    Q_OBJECT

public:
    funcChooser(int row, int code, QWidget *parent = nullptr);
    ~funcChooser() override;

    int row() const { return keyRow; }
    QComboBox *groupBox() const { return combo; }
    QSpinBox *parameterBox() const { return spin; }

signals:
    // The focus went to a widget outside the chooser, or the mouse really left it; only the
    // focus leaving makes the choice.
    void leaved(QWidget *editor);

public slots:
    void applyFunc(int code);
    void applyIdx(int group, int offset);
    void applyIdx(int group);
    void newValue(int value);
    int getFunc();

protected:
    void leaveEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectCombo();
    void connectSpin();
    void focusMoved(QWidget *old, QWidget *now);
    // This chooser or a part of it, the list of groups included.
    bool holds(const QWidget *w) const;

    int keyRow;
    int group = -1;
    int offset = 0;
    QComboBox *combo;
    QSpinBox *spin;
    QMetaObject::Connection comboConnection;
    QMetaObject::Connection spinConnection;
    QMetaObject::Connection focusConnection;
};
