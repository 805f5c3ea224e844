#include "program_conf_delegate.h"

#include "common/connectlog.h"
#include "inftime_class.h"
#include "model/configlayout.h"
#include "model/devicetime.h"
#include "mytimeedit.h"
#include "program_conf_widget.h"

#include <QCheckBox>
#include <QLabel>

#include <algorithm>

using namespace ConfigLayout;

program_conf_delegate::program_conf_delegate(program_conf_widget *view)
    : QItemDelegate(view)
    , view(view)
{ }

void program_conf_delegate::setProgramRunMode(pgmModesType mode)
{
    runMode = mode;
}

void program_conf_delegate::setProgramNumber(int index)
{
    program = index;
}

bool program_conf_delegate::fallEditable(const QModelIndex &index) const
{
    return index.row() == index.model()->rowCount() - 1 && runMode == pgmNormal;
}

QWidget *program_conf_delegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                             const QModelIndex &index) const
{
    QWidget *editor = nullptr;
    const int step = index.row() + 1;
    switch (index.column()) {
    case program_conf_widget::RiseColumn: {
        auto *edit = new MyTimeEdit(parent);
        edit->setLargestTime(fromDeviceTime(MaxRiseTime));
        edit->setAccessibleName(tr("Step %1 rise time").arg(step));
        editor = edit;
        break;
    }
    case program_conf_widget::LastColumn: {
        auto *edit = new infTime_class(parent);
        edit->timeEdit->setAccessibleName(tr("Step %1 last time").arg(step));
        edit->infinite->setAccessibleName(tr("Step %1 last time infinite").arg(step));
        logConnection(
            connect(edit, &infTime_class::leaved, view, &program_conf_widget::stopEditing));
        editor = edit;
        break;
    }
    case program_conf_widget::FallColumn:
        if (fallEditable(index)) {
            auto *edit = new MyTimeEdit(parent);
            edit->setLargestTime(fromDeviceTime(MaxFallTime));
            edit->setAccessibleName(tr("Step %1 fall time").arg(step));
            editor = edit;
        } else {
            editor = new QLabel(QStringLiteral(" - "), parent);
        }
        break;
    default:
        return nullptr;
    }
    // Regular like the scene page's time editors: the table's bold font is wider.
    QFont regular = editor->font();
    regular.setBold(false);
    editor->setFont(regular);
    editor->installEventFilter(const_cast<program_conf_delegate *>(this));
    return editor;
}

void program_conf_delegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const u8 *image = view->image();
    const int page = program + 1;
    const int step = index.row();
    switch (index.column()) {
    case program_conf_widget::RiseColumn:
        if (auto *edit = qobject_cast<MyTimeEdit *>(editor))
            edit->setTime(fromDeviceTime(stepTime(image, page, step, RiseTime)));
        break;
    case program_conf_widget::LastColumn:
        if (auto *edit = qobject_cast<infTime_class *>(editor)) {
            const u16 last = stepTime(image, page, step, LastTime);
            if (last == LastInfinite)
                edit->infinite->setChecked(true);
            else
                edit->timeEdit->setTime(fromDeviceTime(last));
        }
        break;
    case program_conf_widget::FallColumn:
        if (auto *edit = qobject_cast<MyTimeEdit *>(editor); edit && fallEditable(index))
            edit->setTime(fromDeviceTime(stepTime(image, page, step, FallTime)));
        break;
    default:
        break;
    }
}

void program_conf_delegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                         const QModelIndex &index) const
{
    const int page = program + 1;
    const int step = index.row();
    const auto store = [&](TimeField field, u16 value) {
        view->edit(ConfigEdit::Kind::StepTime, step,
                   [&](u8 *image) { setStepTime(image, page, step, field, value); });
    };
    switch (index.column()) {
    case program_conf_widget::RiseColumn:
        if (auto *edit = qobject_cast<MyTimeEdit *>(editor)) {
            const u16 rise = toDeviceTime(edit->time());
            store(RiseTime, rise);
            model->setData(index, program_conf_widget::timeText(rise));
        }
        break;
    case program_conf_widget::LastColumn:
        if (auto *edit = qobject_cast<infTime_class *>(editor)) {
            if (edit->infinite->isChecked()) {
                store(LastTime, LastInfinite);
                model->setData(index, program_conf_widget::tr("  infinite"));
            } else {
                const u16 last = toDeviceTime(edit->timeEdit->time());
                store(LastTime, last);
                model->setData(index, program_conf_widget::timeText(last));
            }
        }
        break;
    case program_conf_widget::FallColumn:
        // The label of a step without a fall time edits nothing.
        if (auto *edit = qobject_cast<MyTimeEdit *>(editor); edit && fallEditable(index))
            store(FallTime, toDeviceTime(edit->time()));
        break;
    default:
        return;
    }
    view->refresh();
}

void program_conf_delegate::updateEditorGeometry(QWidget *editor,
                                                 const QStyleOptionViewItem &option,
                                                 const QModelIndex &) const
{
    // A time editor narrower than it asks for scrolls its text and cuts off the first digits; it
    // may reach over the next cell while it is open.
    QRect rect = option.rect;
    rect.setWidth(std::max(rect.width(), editor->minimumSizeHint().width()));
    editor->setGeometry(rect);
}
