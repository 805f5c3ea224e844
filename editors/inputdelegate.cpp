#include "inputdelegate.h"

#include "common/connectlog.h"
#include "funcchooser.h"
#include "funcsetter.h"
#include "model/configlayout.h"

#include <QComboBox>

using namespace ConfigLayout;

namespace {
enum Column { ModeColumn = 1, ActionColumn = 2 };
enum ModeData { NormallyOpen = 0, NormallyClosed = 1, NotUsed = -1 };
} // namespace

input_delegate::input_delegate(u8 *codes, QObject *table, u8 *modeImage)
    : codes(codes)
    , table(table)
    , modeImage(modeImage)
{ }

QWidget *input_delegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                      const QModelIndex &index) const
{
    QWidget *editor = nullptr;
    if (index.column() == ModeColumn && modeImage) {
        auto *box = new QComboBox(parent);
        box->addItem(tr("N/O"), int(NormallyOpen));
        box->addItem(tr("N/C"), int(NormallyClosed));
        box->addItem(tr("N/U"), int(NotUsed));
        editor = box;
    } else if (index.column() == ActionColumn) {
        auto *chooser = new funcChooser(index.row(), 0, parent);
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
    if (index.column() == ModeColumn && modeImage) {
        auto *box = static_cast<QComboBox *>(editor);
        int mode = NotUsed;
        if (inputUsed(modeImage, index.row()))
            mode = inputNormallyOpen(modeImage, index.row()) ? NormallyOpen : NormallyClosed;
        box->setCurrentIndex(box->findData(mode));
    } else if (index.column() == ActionColumn) {
        static_cast<funcChooser *>(editor)->applyFunc(codes[index.row()]);
    }
}

void input_delegate::setModelData(QWidget *editor, QAbstractItemModel *,
                                  const QModelIndex &index) const
{
    if (index.column() == ModeColumn && modeImage && index.row() < InputCount) {
        const u8 bit = u8(1u << index.row());
        switch (static_cast<QComboBox *>(editor)->currentData().toInt()) {
        case NormallyOpen:
            modeImage[InputUsedMask] |= bit;
            modeImage[InputNoMask] |= bit;
            break;
        case NormallyClosed:
            modeImage[InputUsedMask] |= bit;
            modeImage[InputNoMask] &= u8(~bit);
            break;
        default:
            // An unused input keeps its normally-open bit.
            modeImage[InputUsedMask] &= u8(~bit);
            break;
        }
    } else if (index.column() == ActionColumn) {
        codes[index.row()] = u8(static_cast<funcChooser *>(editor)->getFunc());
    }
    emit forceRefresh();
}

void input_delegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                          const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
