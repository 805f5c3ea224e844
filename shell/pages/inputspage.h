#pragma once

#include "windowpage.h"

#include <memory>

class funcSetter;
class kelvo_controller_class;

namespace Ui {
class MainWindowInputsPage;
}

// Settings, "Inputs": the function of each input and the one at power-on.
class InputsPage : public WindowPage
{
    Q_OBJECT

public:
    InputsPage(kelvo_controller_class &kelvo, QWidget *parent);
    ~InputsPage() override;

    void refresh() override;
    QList<QWidget *> tabOrder() const override;
    // Marks the input the controller reported (-1: none).
    void showLearned(int input);

signals:
    // "Select from device": the window asks the controller which input is operated.
    void learnRequested();

private:
    std::unique_ptr<Ui::MainWindowInputsPage> ui;
    funcSetter *inputTable = nullptr;
    funcSetter *powerOnTable = nullptr;
};
