#include "program_conf_widget.h"

#include "common/connectlog.h"
#include "common/prompts.h"
#include "live/liveoutput.h"
#include "model/configclear.h"
#include "model/configcopy.h"
#include "model/configdocument.h"
#include "model/configlayout.h"
#include "model/devicetime.h"
#include "model/programshape.h"
#include "program_conf_delegate.h"

#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QTimeEdit>

#include <algorithm>
#include <cstring>

using namespace ConfigLayout;

namespace {
constexpr qint64 TenthsPerDay = 24 * 60 * 60 * 10;
} // namespace

program_conf_widget::program_conf_widget(ConfigDocument &document, LiveOutput &live,
                                         QWidget *parent)
    : QTableView(parent)
    , document(document)
    , live(live)
    , steps(new QStandardItemModel(0, ColumnCount, this))
    , delegate(new program_conf_delegate(this))
{
    steps->setHorizontalHeaderLabels({tr("Step No."), tr("Rise time"), tr("Last time | inf."),
                                      tr("Fall time"), tr("Prog. time")});
    setModel(steps);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setItemDelegate(delegate);
    verticalHeader()->hide();
    // Tab leaves the table, the arrow keys go from cell to cell: Qt's Tab through the cells
    // starts over at the last one, and the keyboard could never get past the table.
    setTabKeyNavigation(false);
    setColumnWidth(StepColumn, 70);
    setColumnWidth(LastColumn, 140);
    setColumnWidth(TotalColumn, 120);

    logConnection(connect(delegate, &QAbstractItemDelegate::closeEditor, this,
                          qOverload<QWidget *>(&program_conf_widget::refresh)));
    logConnection(connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                          &program_conf_widget::indexChanged));
    reRead();
    refresh();
}

program_conf_widget::~program_conf_widget()
{
    // The model and the selection go after the view; their last signals must not reach it.
    disconnect(selectionModel(), nullptr, this, nullptr);
    disconnect(delegate, nullptr, this, nullptr);
}

const u8 *program_conf_widget::image() const
{
    return document.data();
}

void program_conf_widget::edit(ConfigEdit::Kind kind, int step,
                               const std::function<void(u8 *image)> &change)
{
    document.edit({kind, page(), step, -1, this}, change);
}

void program_conf_widget::setLoop(bool on)
{
    const int count = stepCount();
    setRunMode(on ? pgmLoop : pgmNormal);
    edit(ConfigEdit::Kind::ProgramShape, -1,
         [&](u8 *image) { ProgramShape::setLoop(image, page(), count, on); });
    refresh();
}

void program_conf_widget::setContinued(bool on)
{
    // Written before the table learns the mode when it is set: the fall editor of the 16th step
    // must never write over the marker that makes the program continue.
    if (!on)
        setRunMode(pgmNormal);
    edit(ConfigEdit::Kind::ProgramShape, -1,
         [&](u8 *image) { ProgramShape::setContinued(image, page(), on); });
    if (on)
        setRunMode(pgmContinued);
    refresh();
}

int program_conf_widget::stepCount() const
{
    return steps->rowCount();
}

int program_conf_widget::currentRow() const
{
    return currentIndex().row(); // -1 without a current cell
}

QString program_conf_widget::timeText(u16 units)
{
    return fromDeviceTime(units).toString(QStringLiteral("hh:mm:ss.zzz")).left(10);
}

QString program_conf_widget::totalText(qint64 tenths)
{
    const qint64 days = tenths / TenthsPerDay;
    const int inDay = int(tenths % TenthsPerDay);
    const QTime time = QTime(0, 0).addMSecs(inDay * 100);
    const QString text = time.toString(QStringLiteral("hh:mm:ss.zzz")).left(10);
    return days > 0 ? QStringLiteral("%1+").arg(days) + text : text;
}

void program_conf_widget::setCell(int row, int column, const QString &text)
{
    steps->setData(steps->index(row, column), text);
}

void program_conf_widget::setProgramNumber(int v)
{
    program = v - 1;
    delegate->setProgramNumber(program);
    reRead();
    refresh();
    live.showStep(v, currentRow() + 1);
}

void program_conf_widget::reRead()
{
    const ProgramShape::Shape shape = ProgramShape::read(image(), page());
    mode = shape.mode;
    // The editors must know the mode too, or the fall editor of a looping program would write
    // over its loop marker.
    delegate->setProgramRunMode(shape.mode);
    setStepCount(shape.steps);
    emit setLen(shape.steps);
    emit pgmMode2Gui(shape.mode);
}

void program_conf_widget::setRunMode(int m)
{
    mode = m;
    delegate->setProgramRunMode(pgmModesType(m));
    refresh();
}

void program_conf_widget::setStepCount(int n)
{
    n = std::clamp(n, 1, StepsPerPage);
    if (steps->rowCount() == n)
        return;
    steps->setRowCount(n);

    pgmModesType after = pgmModesType(mode);
    edit(ConfigEdit::Kind::ProgramShape, -1, [&](u8 *image) {
        after = ProgramShape::setStepCount(image, page(), n, pgmModesType(mode));
    });
    if (after != mode) {
        setRunMode(after);
        emit pgmMode2Gui(after);
    }
    refresh();
}

void program_conf_widget::refresh(QWidget *editor)
{
    if (qobject_cast<QTimeEdit *>(editor) || currentIndex().column() == LastColumn)
        refresh();
}

void program_conf_widget::refresh()
{
    const u8 *img = image();
    const int p = page();
    const int rows = steps->rowCount();
    qint64 total = 0; // tenths; -1 once an infinite step makes it undetermined
    bool fixAll = false;

    for (int s = 0; s < StepsPerPage; ++s) {
        const bool shown = s < rows;
        if (shown)
            setCell(s, StepColumn, tr("Step %1").arg(s + 1));

        const u16 rise = stepTime(img, p, s, RiseTime);
        if (shown)
            setCell(s, RiseColumn, timeText(rise));
        if (total >= 0)
            total += rise;

        u16 last = stepTime(img, p, s, LastTime);
        if (last == LastInfinite) {
            if (shown)
                setCell(s, LastColumn, tr("  infinite"));
            total = -1;
        } else {
            if (rise + last == 0) {
                if (!fixAll) {
                    const Prompts::Button answer = prompts().choose(
                        Prompts::Kind::Warning, nullptr, tr("Broken rule !"),
                        tr("Both times couldn't be 0 !\nLast time will be fixed."),
                        {{Prompts::Ok, tr("O.K.")}, {Prompts::YesToAll, tr("Fix all steps")}},
                        Prompts::Ok);
                    fixAll = answer == Prompts::YesToAll;
                }
                last = FreshLastTime;
                edit(ConfigEdit::Kind::StepTime, s,
                     [&](u8 *image) { setStepTime(image, p, s, LastTime, FreshLastTime); });
            }
            if (shown)
                setCell(s, LastColumn, timeText(last));
            if (total >= 0)
                total += last;
        }

        QString fallText = QStringLiteral(" - ");
        if (s == rows - 1 && mode == pgmNormal) {
            const u16 fall = stepTime(img, p, s, FallTime);
            if (fall <= MaxFallTime) {
                fallText = timeText(fall);
                if (total >= 0)
                    total += fall;
            }
        }
        if (shown) {
            setCell(s, FallColumn, fallText);
            setCell(s, TotalColumn, total < 0 ? tr("undetermined") : totalText(total));
        }
    }
}

void program_conf_widget::indexChanged(const QModelIndex &current, const QModelIndex &)
{
    refresh();
    live.showStep(program + 1, current.row() + 1);
}

void program_conf_widget::toEdit()
{
    emit goToEdit(program, std::max(currentRow(), 0));
}

void program_conf_widget::insertStep()
{
    const int r = currentRow();
    if (r < 0)
        return;
    clearSelection();

    const int count = steps->rowCount();
    const int n = std::min(count + 1, StepsPerPage);
    // A full program drops its last step; the step that takes its place keeps how the program
    // ends, or a normal or looping program would silently turn into a continued one.
    const u16 endMarker = stepTime(image(), page(), n - 1, FallTime);
    edit(ConfigEdit::Kind::Steps, r, [&](u8 *image) {
        for (int s = n - 2; s >= r; --s)
            ConfigCopy::copyStep(image, page(), s, page(), s + 1);
        clearStep(image, page(), r, FallNextStep);
        if (count == StepsPerPage)
            setStepTime(image, page(), n - 1, FallTime, endMarker);

        if (n != steps->rowCount()) {
            setStepCount(n);
            emit setLen(n);
        }
    });
    refresh();
}

void program_conf_widget::deleteStep()
{
    if (!selectionModel()->hasSelection())
        return;
    const QModelIndexList selected = selectionModel()->selectedRows();
    const int k = int(selected.size());
    if (k == 0)
        return;

    const Prompts::Button answer = prompts().choose(
        Prompts::Kind::Question, this, tr("Confirmation"),
        //: %n steps are removed; the tab indents the question on the second line.
        tr("About to remove %n step(s) from program.\n\tReally want to do it ?", nullptr, k),
        {{Prompts::No, tr("No")}, {Prompts::Yes, tr("Yes !")}}, Prompts::No);
    if (answer != Prompts::Yes)
        return;

    const int count = steps->rowCount();
    edit(ConfigEdit::Kind::Steps, -1, [&](u8 *image) {
        int free = 0;
        for (int s = 0; s < count; ++s) {
            if (selectionModel()->isRowSelected(s, QModelIndex()))
                continue;
            if (s != free)
                ConfigCopy::copyStep(image, page(), s, page(), free);
            ++free;
        }

        int n = count - k;
        if (n < 1) {
            clearStep(image, page(), 0, 0);
            n = 1;
        }
        setStepCount(n);
        emit setLen(n);
    });
    clearSelection();
    refresh();
}

void program_conf_widget::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex cell = currentIndex();
    switch (event->key()) {
    case Qt::Key_Delete:
        deleteStep();
        return;
    case Qt::Key_Insert:
        insertStep();
        return;
    case Qt::Key_0:
        if (cell.isValid()) {
            TimeField field = RiseTime;
            bool zero = true;
            switch (cell.column()) {
            case RiseColumn:
                field = RiseTime;
                break;
            case LastColumn:
                field = LastTime;
                break;
            case FallColumn:
                field = FallTime;
                zero = cell.row() == steps->rowCount() - 1 && mode == pgmNormal;
                break;
            default:
                zero = false;
                break;
            }
            if (zero) {
                edit(ConfigEdit::Kind::StepTime, cell.row(),
                     [&](u8 *image) { setStepTime(image, page(), cell.row(), field, 0); });
                setCell(cell.row(), cell.column(), timeText(0));
            }
            return; // the rule on both times waits for the next refresh
        }
        break;
    default:
        break;
    }
    QTableView::keyPressEvent(event);
}

void program_conf_widget::stopEditing(QWidget *editor)
{
    const QPoint at = editor->mapFromGlobal(QCursor::pos());
    if (at.x() > 0 && at.x() < editor->width() && at.y() > 0 && at.y() < editor->height())
        return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}
