#include "funcchooser.h"

#include "common/connectlog.h"
#include "model/functioncode.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QSpinBox>

funcChooser::funcChooser(int row, int code, QWidget *parent)
    : QWidget(parent)
    , keyRow(row)
    , combo(new QComboBox(this))
    , spin(new QSpinBox(this))
{
    combo->setGeometry(3, 4, 300, 20);
    spin->setGeometry(355, 4, 60, 20);
    for (const FunctionCode::Group &g : FunctionCode::groups)
        combo->addItem(tr(g.text));
    applyFunc(code);
    connectSpin();
    connectCombo();
    setAttribute(Qt::WA_Hover);
    // The view focuses the editor it opens: the keys choose a group at once.
    setFocusProxy(combo);
    combo->installEventFilter(this);
    spin->installEventFilter(this);
    // The view sees focus leaving only the editor itself, never its parts.
    focusConnection = connect(qApp, &QApplication::focusChanged, this, &funcChooser::focusMoved);
    logConnection(focusConnection);
}

// The focus moves while the widget part is torn down, before QObject would drop the connection.
funcChooser::~funcChooser()
{
    disconnect(focusConnection);
}

bool funcChooser::holds(const QWidget *w) const
{
    // Up through windows too: the list of groups is a pop-up of its own.
    for (; w; w = w->parentWidget())
        if (w == this)
            return true;
    return false;
}

void funcChooser::focusMoved(QWidget *old, QWidget *now)
{
    // No focus at all is another application's turn, not a choice.
    if (now && holds(old) && !holds(now))
        emit leaved(this);
}

void funcChooser::connectCombo()
{
    comboConnection = connect(combo, &QComboBox::currentIndexChanged, this,
                              qOverload<int>(&funcChooser::applyIdx));
    logConnection(comboConnection);
}

void funcChooser::connectSpin()
{
    spinConnection = connect(spin, &QSpinBox::valueChanged, this, &funcChooser::newValue);
    logConnection(spinConnection);
}

void funcChooser::applyFunc(int code)
{
    const FunctionCode::Decoded d = FunctionCode::decode(u8(code));
    if (d.group != group || d.offset != offset)
        applyIdx(d.group, d.offset);
}

void funcChooser::applyIdx(int newGroup, int newOffset)
{
    if (newGroup == group && newOffset == offset)
        return;
    if (newGroup < 0 || newGroup >= FunctionCode::GroupCount)
        return; // the combo box reports -1 when it is emptied
    group = newGroup;
    if (combo->currentIndex() != group) {
        disconnect(comboConnection);
        combo->setCurrentIndex(group);
        connectCombo();
    }
    offset = newOffset;
    const int count = FunctionCode::groups[group].count;
    if (count < 2) {
        spin->hide();
    } else {
        disconnect(spinConnection);
        // A stored offset past the range shows the maximum; getFunc() keeps the stored code.
        spin->setRange(1, count);
        spin->setValue(offset + 1);
        spin->show();
        connectSpin();
    }
}

void funcChooser::applyIdx(int newGroup)
{
    applyIdx(newGroup, 0);
}

void funcChooser::newValue(int value)
{
    offset = value - 1;
}

int funcChooser::getFunc()
{
    return FunctionCode::groups[group].first + offset;
}

void funcChooser::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    if (!combo->testAttribute(Qt::WA_UnderMouse) && !spin->testAttribute(Qt::WA_UnderMouse))
        emit leaved(this);
}

bool funcChooser::eventFilter(QObject *watched, QEvent *event)
{
    // Tab goes from the group to its parameter and Shift+Tab back; past them the view takes the
    // key and commits.
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (watched == combo && key->key() == Qt::Key_Tab && spin->isVisible()) {
            spin->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (watched == spin && key->key() == Qt::Key_Backtab) {
            combo->setFocus(Qt::BacktabFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
