#include "funcsetter.h"

#include "common/connectlog.h"
#include "inputdelegate.h"
#include "model/configdocument.h"
#include "model/configlayout.h"
#include "model/contactmode.h"
#include "model/functioncode.h"

#include <QApplication>
#include <QHeaderView>

using namespace ConfigLayout;

namespace {
enum Column { KeyColumn = 0, ModeColumn = 1, ActionColumn = 2 };
constexpr int RowHeight = 30;
} // namespace

funcSetter::funcSetter(int rows, u8 *codes, bool hasMode, QWidget *parent, ConfigDocument *document)
    : QTableWidget(rows, 3, parent)
    , rowCount_(rows)
    , codes(codes)
    , modeImage(hasMode && document ? document->data() : nullptr)
    , inputs(hasMode)
    , delegate(std::make_unique<input_delegate>(codes, this, hasMode, document))
{
    Q_ASSERT(!hasMode || (document && rows <= InputCount));
    Q_ASSERT(!document || document->contains(codes));
    setColumnWidth(KeyColumn, hasMode ? 100 : 160);
    setColumnWidth(ModeColumn, 60);
    setColumnWidth(ActionColumn, 600);
    setHorizontalHeaderLabels(
        {tr("Key No."), hasMode ? tr("Mode") : QStringLiteral("  "), tr("Associated action")});
    verticalHeader()->hide();
    // Tab leaves the table, the arrow keys go from cell to cell: Qt's Tab through the cells
    // starts over at the last one, and the keyboard could never get past the table.
    setTabKeyNavigation(false);
    if (!hasMode)
        hideColumn(ModeColumn);
    setItemDelegate(delegate.get());

    for (int row = 0; row < rows; ++row) {
        for (int column = KeyColumn; column <= ActionColumn; ++column)
            setItem(row, column, new QTableWidgetItem);
        setRowHeight(row, RowHeight);
    }
    if (rows == 1) {
        horizontalHeader()->hide();
        item(0, KeyColumn)->setText(tr("  Power On"));
    } else {
        for (int row = 0; row < rows; ++row)
            item(row, KeyColumn)
                ->setText( //: The leading blanks indent the row title in the table; %1 is the key number.
                    tr("  Key %1").arg(row + 1));
    }

    logConnection(
        connect(delegate.get(), &input_delegate::forceRefresh, this, &funcSetter::refresh));
    refresh();
}

// The delegate must outlive the editors the view closes while it is destroyed.
funcSetter::~funcSetter()
{
    setItemDelegate(nullptr);
}

QString funcSetter::actionName(int row) const
{
    if (rowCount_ == 1)
        return tr("Power-on action");
    return inputs ? tr("Input %1 action").arg(row + 1) : tr("Remote key %1 action").arg(row + 1);
}

QString funcSetter::parameterName(int row) const
{
    if (rowCount_ == 1)
        //: The number of the scene or program the power-on action chooses.
        return tr("Power-on action number");
    if (inputs)
        //: The number of the scene or program the input's action chooses.
        return tr("Input %1 action number").arg(row + 1);
    //: The number of the scene or program the remote key's action chooses.
    return tr("Remote key %1 action number").arg(row + 1);
}

QString funcSetter::modeName(int row) const
{
    return tr("Input %1 mode").arg(row + 1);
}

void funcSetter::refresh()
{
    for (int row = 0; row < rowCount_; ++row) {
        if (modeImage) {
            const ContactMode mode = contactMode(modeImage, row);
            item(row, ModeColumn)->setText(QString::fromLatin1(contactModeName(mode)));
            item(row, ModeColumn)->setToolTip(input_delegate::contactModeHelp(mode));
        }
        const FunctionCode::Decoded d = FunctionCode::decode(codes[row]);
        QString text = functionCodeText(codes[row]);
        if (FunctionCode::showsParameter(d))
            text += QStringLiteral(" : %1").arg(d.offset + 1);
        item(row, ActionColumn)->setText(text);
    }
}

void funcSetter::selRow(int row)
{
    setCurrentCell(row, ModeColumn);
    if (row < 0)
        clearSelection();
    else // selectRow() would move the current cell to the first column
        selectionModel()->select(model()->index(row, ModeColumn),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void funcSetter::stopEditing(QWidget *editor)
{
    // An editor that is still being filled in is not on screen yet; it is not ours to close. One
    // the view has closed already loses the focus on its way out.
    if (!editor->isVisible() || state() != EditingState)
        return;
    // Only a click or key that took the focus elsewhere ends the choice; the pointer leaving
    // does not, or a group would be stored before its parameter is set.
    const QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return;
    for (const QWidget *w = focus; w; w = w->parentWidget())
        if (w == editor)
            return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}
