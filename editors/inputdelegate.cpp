#include "inputdelegate.h"

#include "common/connectlog.h"
#include "funcchooser.h"
#include "funcsetter.h"
#include "model/configdocument.h"
#include "model/configlayout.h"
#include "model/contactmode.h"

#include <QComboBox>
#include <QSpinBox>

using namespace ConfigLayout;

namespace {
enum Column { ModeColumn = 1, ActionColumn = 2 };
} // namespace

input_delegate::input_delegate(u8 *codes, QObject *table, bool hasMode, ConfigDocument *document)
    : codes(codes)
    , table(table)
    , document(document)
    , hasMode(hasMode && document)
{ }

void input_delegate::storeCode(int row, u8 code) const
{
    if (!document) {
        codes[row] = code;
        return;
    }
    const int offset = int(codes - document->data()) + row;
    document->setByte(offset, code, {ConfigEdit::Kind::Action, -1, -1, offset, table});
}

QString input_delegate::contactModeHelp(ContactMode mode)
{
    switch (mode) {
    case ContactMode::NormallyOpen:
        return tr("N/O, normally open: the input acts when its contact closes");
    case ContactMode::NormallyClosed:
        return tr("N/C, normally closed: the input acts when its contact opens");
    case ContactMode::NotUsed:
        break;
    }
    return tr("N/U, not used: the controller ignores the input");
}

QWidget *input_delegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                      const QModelIndex &index) const
{
    QWidget *editor = nullptr;
    const auto *owner = qobject_cast<const funcSetter *>(table);
    if (index.column() == ModeColumn && hasMode) {
        auto *box = new QComboBox(parent);
        if (owner)
            box->setAccessibleName(owner->modeName(index.row()));
        box->addItem(tr("N/O"), int(ContactMode::NormallyOpen));
        box->addItem(tr("N/C"), int(ContactMode::NormallyClosed));
        box->addItem(tr("N/U"), int(ContactMode::NotUsed));
        box->setItemData(0, contactModeHelp(ContactMode::NormallyOpen), Qt::ToolTipRole);
        box->setItemData(1, contactModeHelp(ContactMode::NormallyClosed), Qt::ToolTipRole);
        box->setItemData(2, contactModeHelp(ContactMode::NotUsed), Qt::ToolTipRole);
        editor = box;
    } else if (index.column() == ActionColumn) {
        auto *chooser = new funcChooser(index.row(), 0, parent);
        if (owner) {
            chooser->groupBox()->setAccessibleName(owner->actionName(index.row()));
            chooser->parameterBox()->setAccessibleName(owner->parameterName(index.row()));
        }
        logConnection(connect(chooser, &funcChooser::leaved, qobject_cast<funcSetter *>(table),
                              &funcSetter::stopEditing));
        editor = chooser;
    }
    if (editor)
        editor->installEventFilter(const_cast<input_delegate *>(this));
    return editor;
}

void input_delegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (index.column() == ModeColumn && hasMode) {
        auto *box = static_cast<QComboBox *>(editor);
        box->setCurrentIndex(box->findData(int(contactMode(document->data(), index.row()))));
    } else if (index.column() == ActionColumn) {
        static_cast<funcChooser *>(editor)->applyFunc(codes[index.row()]);
    }
}

void input_delegate::setModelData(QWidget *editor, QAbstractItemModel *,
                                  const QModelIndex &index) const
{
    if (index.column() == ModeColumn && hasMode && index.row() < InputCount) {
        const auto mode = ContactMode(static_cast<QComboBox *>(editor)->currentData().toInt());
        const int input = index.row();
        document->edit({ConfigEdit::Kind::ContactMode, -1, -1, input, table},
                       [&](u8 *image) { setContactMode(image, input, mode); });
    } else if (index.column() == ActionColumn) {
        storeCode(index.row(), u8(static_cast<funcChooser *>(editor)->getFunc()));
    }
    emit forceRefresh();
}

void input_delegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                          const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
