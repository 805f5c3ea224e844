#pragma once

#include "common/types.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class clearConf;
}

// Asks which areas of the configuration image to reset; "Yes !" hands the choice to the clear it
// was given (the controller's).
class clearConf_dialog : public QDialog
{
    Q_OBJECT

public:
    // `clear` receives clearByFlags(); without one the choice only leaves as the signal.
    explicit clearConf_dialog(QWidget *parent = nullptr,
                              std::function<void(u16 flags)> clear = nullptr);
    ~clearConf_dialog() override;

signals:
    void clearByFlags(u16 flags);

public slots:
    void chgAll(int state);
    void clearExec();

private:
    std::unique_ptr<Ui::clearConf> ui;
};
