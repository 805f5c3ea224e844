#pragma once

#include <QWidget>

class QLabel;
class QSlider;
class QSpinBox;

// One channel column: caption, level slider and level box. The object itself is never shown; its
// controls live in a container on the parent given at construction.
//
// Channel numbers 1..64 are channels of the edited scene; -1, -2, -3 are the special scene's red,
// green and blue.
class admx_slider_widget : public QWidget
{
    Q_OBJECT

public:
    admx_slider_widget(int channelNumber, int x, int y, QWidget *parent);

    int channelNumber() const { return channel; }
    // The owner sets a level through the slider.
    QSlider *slider() const { return levelSlider; }
    QSpinBox *spinBox() const { return levelBox; }
    QLabel *caption() const { return captionLabel; }
    QWidget *container() const { return box; }

signals:
    void chValCh(int dmxChannelNumber, int value);

public slots:
    // Paging: ch is the scroll position.
    void setChannel(int ch);
    void emitChannelChanges(int value);

private:
    // What screen readers call the slider and the box: the caption alone is a bare number.
    void nameControls();

    const int baseChannel;
    int channel;
    // The controls belong to the parent given at construction.
    QWidget *box = nullptr;
    QLabel *captionLabel = nullptr;
    QSlider *levelSlider = nullptr;
    QSpinBox *levelBox = nullptr;
};
