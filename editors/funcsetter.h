#pragma once

#include "common/types.h"

#include <QTableWidget>

#include <memory>

class input_delegate;

// A table of keys and the actions assigned to them (inputs with their contact mode, power-on,
// remote keys), read from and written straight into the configuration image.
class funcSetter : public QTableWidget
{
    Q_OBJECT

public:
    // `codes` is the table's first code byte in the image. With `hasMode` the table also shows
    // and edits the inputs' contact modes, in the masks of `image`.
    funcSetter(int rows, u8 *codes, bool hasMode, QWidget *parent = nullptr, u8 *image = nullptr);
    ~funcSetter() override;

public slots:
    void refresh();
    void selRow(int row);
    void stopEditing(QWidget *editor);

private:
    int rowCount_;
    u8 *codes;
    u8 *modeImage; // null without a mode column
    std::unique_ptr<input_delegate> delegate;
};
