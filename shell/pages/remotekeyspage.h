#pragma once

#include "windowpage.h"

#include <memory>

class funcSetter;
class kelvo_controller_class;

namespace Ui {
class MainWindowRemoteKeysPage;
}

// Settings, "RCU keys": the function of each key of the remote.
class RemoteKeysPage : public WindowPage
{
    Q_OBJECT

public:
    RemoteKeysPage(kelvo_controller_class &kelvo, QWidget *parent);
    ~RemoteKeysPage() override;

    void refresh() override;
    QList<QWidget *> tabOrder() const override;
    // Marks the key the controller reported (-1: none).
    void showLearned(int key);

signals:
    // "Select from RCU": the window asks the controller which key of the remote is pressed.
    void learnRequested();

private:
    std::unique_ptr<Ui::MainWindowRemoteKeysPage> ui;
    funcSetter *remoteKeyTable = nullptr;
};
