#pragma once

#include "common/types.h"

#include <QWidget>

#include <array>
#include <memory>

class admx_slider_widget;
class ConfigDocument;
class LiveOutput;
class MyTimeEdit;
class QCheckBox;
class QLabel;
class QScrollBar;
class QTime;

// The scene editor: 64 channel levels and the rise, last and fall time of one scene, ten
// channels at a time. Every edit goes straight into the controller's image. The object itself is
// never shown; its controls live on the page given at construction.
class admx32_sliders_widget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int VisibleColumns = 10;
    static constexpr int LastFirstChannel = 54; // channels 55..64 on the last page

    admx32_sliders_widget(ConfigDocument &document, LiveOutput &live, QWidget *tab);
    ~admx32_sliders_widget() override;

    // The edited scene; the main window writes these directly. page 0: independent scenes,
    // n: program n; step 0-based.
    int page = 0;
    int step = 0;

    int firstVisible() const { return first; }
    admx_slider_widget *column(int i) const { return columns[i].get(); }
    QScrollBar *scrollBar() const { return scroll; }
    MyTimeEdit *riseEdit() const { return rise; }
    MyTimeEdit *lastEdit() const { return last; }
    MyTimeEdit *fallEdit() const { return fall; }
    QCheckBox *infiniteBox() const { return infinite; }
    // An indicator of a program's last step, never an input; the window shows it for programs.
    QCheckBox *lastStepBox() const { return lastStep; }

signals:
    // Page and 1-based step the controller should show live; the live output is told.
    void livePrepareScene(int pgm, int sc);
    // Channel index 0..63 and its level, as stored; the live output is told.
    void liveNewValue(int ch, int val);

public slots:
    void sCh(int ch, int val);
    void setSceneNumber(int sc);
    void setSliders(int firstSliderNumber);
    void refresh();
    void chgdRiseTime(QTime &time);
    void chgdLastTime(QTime &time);
    void chgdFallTime(QTime &time);
    void chgdInfinite(int state);

protected:
    // Tab past the last column and Shift+Tab before the first scroll the channels, so that the
    // keyboard reaches all 64.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // One time of the step shown (a ConfigLayout::TimeField), as one edit.
    void storeTime(int field, u16 value);
    void connectTimeControls();
    void disconnectTimeControls();

    ConfigDocument &document;
    int first = 0;

    std::array<std::unique_ptr<admx_slider_widget>, VisibleColumns> columns;
    // The controls below belong to the page.
    QWidget *sliderBox = nullptr;
    QScrollBar *scroll = nullptr;
    QLabel *riseCaption = nullptr;
    QLabel *lastCaption = nullptr;
    QLabel *fallCaption = nullptr;
    MyTimeEdit *rise = nullptr;
    MyTimeEdit *last = nullptr;
    MyTimeEdit *fall = nullptr;
    QCheckBox *infinite = nullptr;
    QCheckBox *lastStep = nullptr;
};
