#pragma once

#include "windowpage.h"

#include <memory>

class admx32_sliders_widget;
class kelvo_controller_class;

namespace Ui {
class MainWindowScenesPage;
}

// "Scenes, Steps": the scene editor, on an independent scene or a program's step.
class ScenesPage : public WindowPage
{
    Q_OBJECT

public:
    ScenesPage(kelvo_controller_class &kelvo, QWidget *parent);
    ~ScenesPage() override;

    void refresh() override;
    void showOnController() override;
    QList<QWidget *> tabOrder() const override;

    // 0 for the independent scenes, else the program.
    int program() const;
    // From 1.
    int step() const;
    void showStep(int program, int step);

public slots:
    void progChgd(int v);
    void stepChgd(int v);

signals:
    // Another scene is shown: the window refreshes the page it shows.
    void sceneChosen();

private:
    kelvo_controller_class &kelvo;
    std::unique_ptr<Ui::MainWindowScenesPage> ui;
    std::unique_ptr<admx32_sliders_widget> sceneEditor;
};
