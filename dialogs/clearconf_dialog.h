#pragma once

#include "common/types.h"

#include <QDialog>

#include <memory>

namespace Ui {
class clearConf;
}

// Asks which areas of the configuration image to reset; "Yes !" hands the choice to the
// controller's clear.
class clearConf_dialog : public QDialog
{
    Q_OBJECT

public:
    explicit clearConf_dialog(QWidget *parent = nullptr);
    ~clearConf_dialog() override;

signals:
    void clearByFlags(u16 flags);

public slots:
    void chgAll(int state);
    void clearExec();

private:
    std::unique_ptr<Ui::clearConf> ui;
};
