#pragma once

#include "common/types.h"
#include "model/contactmode.h"

#include <QItemDelegate>

class ConfigDocument;

// Edits a function table's cells: a combo box for an input's contact mode, a funcChooser for
// the action. Every commit is one edit of the document.
class input_delegate : public QItemDelegate
{
    Q_OBJECT

public:
    // `codes` is the table's first code byte in the document's image (or a table of its own
    // without a document); `table` receives the choosers' leaved. Only with `hasMode` and a
    // document is there a mode editor: it edits the inputs' contact modes.
    input_delegate(u8 *codes, QObject *table, bool hasMode = false,
                   ConfigDocument *document = nullptr);

    // What a contact mode means, for tooltips.
    static QString contactModeHelp(ContactMode mode);

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
    // The row's action code, as one edit.
    void storeCode(int row, u8 code) const;

    u8 *codes;
    QObject *table;
    ConfigDocument *document;
    bool hasMode;
};
