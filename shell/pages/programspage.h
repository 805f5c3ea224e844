#pragma once

#include "windowpage.h"

#include <memory>

class kelvo_controller_class;
class program_conf_widget;
class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace Ui {
class MainWindowProgramsPage;
}

// "Programs": a program's steps, its step count and run mode.
class ProgramsPage : public WindowPage
{
    Q_OBJECT

public:
    ProgramsPage(kelvo_controller_class &kelvo, QWidget *parent);
    ~ProgramsPage() override;

    void refresh() override;
    void showOnController() override;
    QList<QWidget *> tabOrder() const override;

    int program() const;
    // The step row chosen, from 0.
    int row() const;
    void showRow(int program, int row);

public slots:
    void stepCountChange(int v);
    void setPgmLen(int n);
    void pgmMode(int m);
    void pgmLoop(int state);
    void pgmCont(int state);

signals:
    // "Edit step": the step is edited on the scenes page (both from 0).
    void editStep(int program, int step);

private:
    void connectStepCountBox();
    void connectRunModeBoxes();

    kelvo_controller_class &kelvo;
    std::unique_ptr<Ui::MainWindowProgramsPage> ui;
    program_conf_widget *programTable = nullptr;
    QPushButton *editStepButton = nullptr;
    QPushButton *insertStepButton = nullptr;
    QPushButton *deleteStepButton = nullptr;
    QSpinBox *stepCountBox = nullptr;
    QLabel *stepCountLabel = nullptr;
    QCheckBox *continuedBox = nullptr;
    QCheckBox *loopBox = nullptr;
};
