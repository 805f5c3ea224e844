#pragma once

#include "model/programshape.h"

#include <QItemDelegate>

class program_conf_widget;

// The in-place editors of the program table: a time editor for the rise time, a time editor with
// an "infinite" box for the last time, and for the fall time a time editor on the last step of a
// normal program only.
class program_conf_delegate : public QItemDelegate
{
    Q_OBJECT

public:
    explicit program_conf_delegate(program_conf_widget *view);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

public slots:
    void setProgramRunMode(pgmModesType mode);
    void setProgramNumber(int index);

private:
    // The fall time is a time only on the last step of a normal program.
    bool fallEditable(const QModelIndex &index) const;

    program_conf_widget *view;
    int runMode = pgmNormal;
    int program = 0;
};
