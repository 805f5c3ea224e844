#pragma once

#include "windowpage.h"

#include <array>
#include <memory>

class admx_slider_widget;
class guardedSpinBox;
class kelvo_controller_class;
class MyTimeEdit;
class QLabel;
class QTime;

namespace Ui {
class MainWindowOtherSettingsPage;
}

// Settings, "Other": the special scene, the remote's system address, the preview channel, the mix
// mode and the input simulator.
class OtherSettingsPage : public WindowPage
{
    Q_OBJECT

public:
    OtherSettingsPage(kelvo_controller_class &kelvo, QWidget *parent);
    ~OtherSettingsPage() override;

    void refresh() override;
    void showOnController() override;
    QList<QWidget *> tabOrder() const override;

    // "N / A" (below 0), "not used" or the address.
    void showAddress(int address);
    // The address to send the remote; -1 ("not used") goes out as 255.
    int addressToSend() const;
    // The input the simulator is to operate: 0 standard input, 1 remote key; and its number from 0.
    int simulatedKind() const;
    int simulatedNumber() const;

public slots:
    void chgdExtra(int idx, int val);
    void validFirst(int v);
    void validLast(int v);
    void chgdSSRT(QTime &time);
    void chgdPrev(int value);
    void mixModeProp(bool proportional);
    void evTypeChanged(int type);

signals:
    // The device job buttons; the window runs the jobs.
    void readAddressRequested();
    void sendAddressRequested();
    void acceptAddressRequested();
    void simulateRequested();

private:
    void loadSpecialScene();

    kelvo_controller_class &kelvo;
    std::unique_ptr<Ui::MainWindowOtherSettingsPage> ui;
    std::array<std::unique_ptr<admx_slider_widget>, 3> specialColumns; // red, green, blue
    guardedSpinBox *firstChannelBox = nullptr;
    guardedSpinBox *lastChannelBox = nullptr;
    MyTimeEdit *specialRiseEdit = nullptr;
    QLabel *firstChannelLabel = nullptr;
    QLabel *lastChannelLabel = nullptr;
    QLabel *riseTimeLabel = nullptr;
};
