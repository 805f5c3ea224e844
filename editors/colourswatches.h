#pragma once

#include "common/types.h"
#include "model/configlayout.h"

#include <QList>
#include <QWidget>

#include <array>

// Output channels that drive RGB fixtures, three by three, as the colour each triple mixes, in
// one row; each swatch is named by its first channel, hovering one names all three levels.
class ColourSwatches : public QWidget
{
    Q_OBJECT

public:
    using Levels = std::array<u8, ConfigLayout::ChannelCount>;

    explicit ColourSwatches(QWidget *parent = nullptr);

    // The 0-based first channel of each triple; a triple that would pass channel 64 is left out.
    void setTriples(const QList<int> &firstChannels);
    const QList<int> &triples() const { return firsts; }
    void setLevels(const Levels &levels);
    // The colour shown for triple `index`.
    QColor colour(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QRect cell(int index) const;
    int indexAt(const QPoint &pos) const;

    QList<int> firsts;
    Levels shown {};
};
