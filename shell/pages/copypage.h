#pragma once

#include "windowpage.h"

#include <memory>

class kelvo_controller_class;

namespace Ui {
class MainWindowCopyPage;
}

// "Copying": scenes, programs and steps copied within the configuration.
class CopyPage : public WindowPage
{
    Q_OBJECT

public:
    CopyPage(kelvo_controller_class &kelvo, QWidget *parent);
    ~CopyPage() override;

    // Nothing of the image is shown here.
    void refresh() override { }
    QList<QWidget *> tabOrder() const override;

public slots:
    void copyScenes();
    void copyProgs();
    void modiCopyPgm(bool on);

private:
    kelvo_controller_class &kelvo;
    std::unique_ptr<Ui::MainWindowCopyPage> ui;
};
