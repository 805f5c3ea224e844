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
    // With `hasMode`, `codes` must be the image's input codes: the mode masks are found from them.
    funcSetter(int rows, u8 *codes, bool hasMode, QWidget *parent = nullptr);
    ~funcSetter() override;

public slots:
    void refresh();
    void selRow(int row);
    void stopEditing(QWidget *editor);

private:
    int rowCount_;
    u8 *codes;
    bool hasMode;
    std::unique_ptr<input_delegate> delegate;
};
