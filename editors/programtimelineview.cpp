#include "programtimelineview.h"

#include "readablecolour.h"

#include <QHelpEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>

namespace {
constexpr int Margin = 6;
constexpr int BarTop = 4;
constexpr int BarHeight = 26;
constexpr int LoopRoom = 12; // below the bar: the arrow of a loop

QString seconds(qint64 ms)
{
    return QString::number(double(ms) / 1000.0, 'f', 1);
}
} // namespace

ProgramTimelineView::ProgramTimelineView(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void ProgramTimelineView::setTimeline(const std::optional<ProgramTimeline> &timeline)
{
    shown = timeline;
    playhead.reset();
    layOut();
    update();
}

void ProgramTimelineView::setPosition(const std::optional<ProgramTimeline::Position> &position)
{
    if (!shown)
        return;
    const bool same = position.has_value() == playhead.has_value()
        && (!position || scaledTime(*position) == scaledTime(*playhead));
    playhead = position;
    if (!same)
        update();
}

void ProgramTimelineView::layOut()
{
    segments.clear();
    scaleLength = 0;
    if (!shown)
        return;
    const QList<ProgramTimeline::Step> &steps = shown->steps();
    qint64 longest = 0;
    for (const ProgramTimeline::Step &step : steps)
        longest = std::max({longest, step.rise, step.hold});
    // A hold for ever is drawn as long as the longest part, at least a second.
    const qint64 foreverLength = std::max<qint64>(1000, longest);
    for (int s = 0; s < steps.size(); ++s) {
        const ProgramTimeline::Step &step = steps[s];
        const bool endless = step.hold == ProgramTimeline::Forever;
        segments.append({Segment::Kind::Rise, s, step.rise, false});
        segments.append({Segment::Kind::Hold, s, endless ? foreverLength : step.hold, endless});
    }
    if (shown->end() == ProgramTimeline::End::FadeOut)
        segments.append({Segment::Kind::Fall, int(steps.size()), shown->fall(), false});
    for (const Segment &segment : segments)
        scaleLength += segment.ms;
}

QRectF ProgramTimelineView::barRect() const
{
    return QRectF(Margin, BarTop, qMax(1, width() - 2 * Margin), BarHeight);
}

double ProgramTimelineView::xAt(qint64 scaledMs) const
{
    const QRectF bar = barRect();
    if (scaleLength <= 0)
        return bar.left();
    return bar.left() + bar.width() * double(scaledMs) / double(scaleLength);
}

qint64 ProgramTimelineView::scaledTime(const ProgramTimeline::Position &position) const
{
    qint64 before = 0;
    for (int i = 0; i < segments.size(); ++i) {
        const Segment &segment = segments[i];
        if (position.fadingOut) {
            if (segment.kind == Segment::Kind::Fall)
                return before + std::min(position.inStep, segment.ms);
        } else if (segment.step == position.step) {
            // The rise, then the hold: a hold for ever moves the playhead only up to its end.
            return before + std::min(position.inStep, segment.ms + segments[i + 1].ms);
        }
        before += segment.ms;
    }
    return before;
}

double ProgramTimelineView::playheadX() const
{
    return playhead ? xAt(scaledTime(*playhead)) : -1.0;
}

QRectF ProgramTimelineView::stepRect(int step) const
{
    qint64 start = 0;
    qint64 length = 0;
    qint64 before = 0;
    bool found = false;
    for (const Segment &segment : segments) {
        if (segment.step == step) {
            if (!found)
                start = before;
            found = true;
            length += segment.ms;
        }
        before += segment.ms;
    }
    if (!found)
        return {};
    const QRectF bar = barRect();
    return QRectF(QPointF(xAt(start), bar.top()), QPointF(xAt(start + length), bar.bottom()));
}

QString ProgramTimelineView::describe(int step) const
{
    if (step >= shown->steps().size())
        return tr("Fade-out: %1 s").arg(seconds(shown->fall()));
    const ProgramTimeline::Step &s = shown->steps().at(step);
    if (s.hold == ProgramTimeline::Forever)
        return tr("Step %1: rise %2 s, then it holds until something else happens")
            .arg(step + 1)
            .arg(seconds(s.rise));
    return tr("Step %1: rise %2 s, hold %3 s").arg(step + 1).arg(seconds(s.rise), seconds(s.hold));
}

bool ProgramTimelineView::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && shown) {
        auto *help = static_cast<QHelpEvent *>(event);
        for (int step = 0; step <= shown->steps().size(); ++step) {
            const QRectF rect = stepRect(step);
            if (rect.isValid() && rect.adjusted(-1, 0, 1, 0).contains(help->pos())) {
                QToolTip::showText(help->globalPos(), describe(step), this, rect.toAlignedRect());
                return true;
            }
        }
        QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

QColor ProgramTimelineView::darkColour() const
{
    return palette().color(QPalette::Base);
}

QColor ProgramTimelineView::litColour() const
{
    return ReadableColour::on(darkColour(), palette().color(QPalette::Highlight));
}

QColor ProgramTimelineView::numberColour() const
{
    return ReadableColour::on(litColour(), palette().color(QPalette::HighlightedText));
}

QSize ProgramTimelineView::sizeHint() const
{
    return {480, BarTop + BarHeight + LoopRoom + 2};
}

QSize ProgramTimelineView::minimumSizeHint() const
{
    return {160, BarTop + BarHeight + LoopRoom + 2};
}

void ProgramTimelineView::paintEvent(QPaintEvent *)
{
    if (!shown)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette &p = palette();
    const QColor lit = litColour();
    const QColor dark = darkColour();
    const QRectF bar = barRect();
    painter.fillRect(bar, dark);

    qint64 before = 0;
    for (const Segment &segment : segments) {
        const QRectF rect(QPointF(xAt(before), bar.top()),
                          QPointF(xAt(before + segment.ms), bar.bottom()));
        before += segment.ms;
        if (segment.kind == Segment::Kind::Hold) {
            painter.fillRect(rect, lit);
            continue;
        }
        // A fade is drawn as one: dark to lit for a rise, lit to dark for the fall.
        QLinearGradient gradient(rect.topLeft(), rect.topRight());
        const bool rise = segment.kind == Segment::Kind::Rise;
        gradient.setColorAt(0, rise ? dark : lit);
        gradient.setColorAt(1, rise ? lit : dark);
        painter.fillRect(rect, gradient);
    }

    // Step borders and numbers, where there is room for them.
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    painter.setFont(small);
    for (int step = 0; step < shown->steps().size(); ++step) {
        const QRectF rect = stepRect(step);
        painter.setPen(QPen(p.color(QPalette::WindowText), 1));
        painter.drawLine(QPointF(rect.left(), bar.top()), QPointF(rect.left(), bar.bottom()));
        const bool endless = shown->steps().at(step).hold == ProgramTimeline::Forever;
        const QString label
            = endless ? QStringLiteral("%1 \u221e").arg(step + 1) : QString::number(step + 1);
        if (painter.fontMetrics().horizontalAdvance(label) + 4 <= rect.width()) {
            painter.setPen(numberColour());
            painter.drawText(rect, Qt::AlignCenter, label);
        }
    }
    painter.setPen(QPen(p.color(QPalette::Mid), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bar);

    if (shown->end() != ProgramTimeline::End::FadeOut) {
        // Back to step 1: a line under the bar with an arrow head at its start.
        const double y = bar.bottom() + LoopRoom / 2.0;
        QPen pen(p.color(QPalette::WindowText), 1.5);
        painter.setPen(pen);
        painter.drawLine(QPointF(bar.right(), bar.bottom()), QPointF(bar.right(), y));
        painter.drawLine(QPointF(bar.right(), y), QPointF(bar.left(), y));
        QPainterPath head;
        head.moveTo(bar.left(), y);
        head.lineTo(bar.left() + 6, y - 4);
        head.lineTo(bar.left() + 6, y + 4);
        head.closeSubpath();
        painter.fillPath(head, p.color(QPalette::WindowText));
    }

    if (playhead) {
        const double x = playheadX();
        painter.setPen(QPen(p.color(QPalette::WindowText), 2));
        painter.drawLine(QPointF(x, bar.top() - 3), QPointF(x, bar.bottom() + 3));
    }
}
