#pragma once

#include "common/types.h"

#include <QDialog>

#include <memory>

namespace Ui {
class clearConf;
}

class kelvo_controller_class;

// Asks which areas of the configuration image to reset; "Yes !" hands the choice to the clear of
// the controller it was given.
class clearConf_dialog : public QDialog
{
    Q_OBJECT

public:
    // `clearer` receives clearByFlags(); without one the choice only leaves as the signal.
    explicit clearConf_dialog(QWidget *parent = nullptr, kelvo_controller_class *clearer = nullptr);
    ~clearConf_dialog() override;

signals:
    void clearByFlags(u16 flags);

public slots:
    void chgAll(int state);
    void clearExec();

private:
    std::unique_ptr<Ui::clearConf> ui;
};
