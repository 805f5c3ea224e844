#pragma once

#include "common/types.h"

#include <QItemDelegate>

// Edits a function table's cells: a combo box for an input's contact mode, a funcChooser for
// the action. Every commit goes straight into the image.
class input_delegate : public QItemDelegate
{
    Q_OBJECT

public:
    // `codes` is the table's first code byte in the image; `table` receives the choosers' leaved.
    // Only with `modeImage` is there a mode editor: it edits the contact-mode masks there.
    input_delegate(u8 *codes, QObject *table, u8 *modeImage = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

signals:
    void forceRefresh() const;

private:
    u8 *codes;
    QObject *table;
    u8 *modeImage;
};
