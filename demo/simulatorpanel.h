#pragma once

#include "model/configlayout.h"

#include <QWidget>

#include <array>

class LevelBars;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;
class SimulatedController;

// The world around the demo's simulated controller, in a window of its own: its output levels
// and working mode, and its inputs and remote control to operate by hand.
class SimulatorPanel : public QWidget
{
    Q_OBJECT

public:
    // Someone at the controller operates an input or key this long after each request to wait
    // for one, while "automatic" is on (the default).
    static constexpr int AutoPressDelayMs = 1000;
    // How often the panel reads the controller while it is shown.
    static constexpr int RefreshMs = 100;

    // The controller must outlive the panel.
    explicit SimulatorPanel(SimulatedController &controller, QWidget *parent = nullptr);

    // Moves the panel next to the program's window, where the screen has room for it, so that
    // neither hides the other.
    void placeBeside(const QWidget &window);

public slots:
    // Shows the controller's state as it is now.
    void refresh();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *makeOutputGroup();
    QWidget *makeInputGroup();
    QWidget *makeRemoteGroup();
    void retranslate();
    QString modeText() const;
    void pressInput(int input);
    void pressKey();
    void forgetPresses();
    void setAutoPress(bool on);

    SimulatedController &kelvo;
    QTimer *timer;
    QLabel *modeCaption = nullptr;
    QLabel *modeLabel = nullptr;
    QGroupBox *outputGroup = nullptr;
    LevelBars *bars = nullptr;
    QLabel *outputNote = nullptr;
    QGroupBox *inputGroup = nullptr;
    std::array<QPushButton *, ConfigLayout::InputCount> inputButtons {};
    QGroupBox *remoteGroup = nullptr;
    QLabel *keyLabel = nullptr;
    QSpinBox *keyBox = nullptr;
    QLabel *addressLabel = nullptr;
    QSpinBox *addressBox = nullptr;
    QPushButton *keyButton = nullptr;
    QLabel *pendingLabel = nullptr;
    QPushButton *forgetButton = nullptr;
    QLabel *hint = nullptr;
    QCheckBox *autoBox = nullptr;
};
