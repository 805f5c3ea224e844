#pragma once

#include "show/programtimeline.h"

#include <QList>
#include <QWidget>

#include <optional>

// A program's steps drawn to scale along one bar: each step's rise as a fade and its hold as a
// block, the fade-out at the end or an arrow back to step 1 for a loop, and a playhead.
class ProgramTimelineView : public QWidget
{
    Q_OBJECT

public:
    explicit ProgramTimelineView(QWidget *parent = nullptr);

    // Nothing is drawn without a program.
    void setTimeline(const std::optional<ProgramTimeline> &timeline);
    const std::optional<ProgramTimeline> &timeline() const { return shown; }
    // The playhead; none while the program is not running.
    void setPosition(const std::optional<ProgramTimeline::Position> &position);

    // Where things are drawn, in pixels from the left.
    double playheadX() const;
    // A step's rise and hold together; past the last step, the fade-out.
    QRectF stepRect(int step) const;
    QRectF barRect() const;
    // The colours of a hold, of the dark end of a fade, and of the step numbers on a hold, as
    // drawn on the palette in force.
    QColor litColour() const;
    QColor darkColour() const;
    QColor numberColour() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // One part of the bar, with the time it stands for on the scale.
    struct Segment
    {
        enum class Kind { Rise, Hold, Fall } kind;
        int step;
        qint64 ms; // the time on the scale: a hold for ever gets a length to be seen
        bool endless;
    };

    void layOut();
    double xAt(qint64 scaledMs) const;
    // The time on the scale from the start of the pass to a position.
    qint64 scaledTime(const ProgramTimeline::Position &position) const;
    QString describe(int step) const;

    std::optional<ProgramTimeline> shown;
    std::optional<ProgramTimeline::Position> playhead;
    QList<Segment> segments;
    qint64 scaleLength = 0;
};
