#pragma once

#include "common/types.h"
#include "model/configlayout.h"

#include <QWidget>

#include <array>

// The controller's 64 output levels as bars, in rows of 16, each with its channel number and
// level; hovering a bar names both.
class LevelBars : public QWidget
{
    Q_OBJECT

public:
    using Levels = std::array<u8, ConfigLayout::ChannelCount>;

    explicit LevelBars(QWidget *parent = nullptr);

    void setLevels(const Levels &levels);
    // The level shown for a channel, 0-based.
    int level(int channel) const { return shown.at(size_t(channel)); }

    // The fill of a bar, as drawn on the palette in force, and what it is drawn on.
    QColor barColour() const;
    QColor emptyColour() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The channel whose cell holds `pos`, or -1.
    int channelAt(const QPoint &pos) const;
    QRect cell(int channel) const;

    Levels shown {};
};
