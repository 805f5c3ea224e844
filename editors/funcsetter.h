#pragma once

#include "common/types.h"

#include <QTableWidget>

#include <memory>

class ConfigDocument;
class input_delegate;

// A table of keys and the actions assigned to them (inputs with their contact mode, power-on,
// remote keys), read from the configuration image and written through its document.
class funcSetter : public QTableWidget
{
    Q_OBJECT

public:
    // `codes` is the table's first code byte in the image of `document`. With `hasMode` the table
    // also shows and edits the inputs' contact modes there. Without a document the codes are a
    // table of their own, written in place, and there is no mode column.
    funcSetter(int rows, u8 *codes, bool hasMode, QWidget *parent = nullptr,
               ConfigDocument *document = nullptr);
    ~funcSetter() override;

    // What screen readers call the editors of a row: an input's when the table has modes,
    // power-on's when it has one row, a remote key's otherwise.
    QString actionName(int row) const;
    QString parameterName(int row) const;
    QString modeName(int row) const;

public slots:
    void refresh();
    void selRow(int row);
    void stopEditing(QWidget *editor);

private:
    int rowCount_;
    u8 *codes;
    const u8 *modeImage; // null without a mode column
    const bool inputs;
    std::unique_ptr<input_delegate> delegate;
};
