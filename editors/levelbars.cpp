#include "levelbars.h"

#include "readablecolour.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {
constexpr int Columns = 16;
constexpr int Rows = ConfigLayout::ChannelCount / Columns;
constexpr int MinCellWidth = 26;
constexpr int MinCellHeight = 70;
constexpr int TextHeight = 14;
} // namespace

LevelBars::LevelBars(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void LevelBars::setLevels(const Levels &levels)
{
    if (levels == shown)
        return;
    shown = levels;
    update();
}

QColor LevelBars::emptyColour() const
{
    return palette().color(QPalette::Base);
}

QColor LevelBars::barColour() const
{
    // The selection colour, darkened or lightened where it would not stand out from the empty
    // part of the bar.
    return ReadableColour::on(emptyColour(), palette().color(QPalette::Highlight));
}

QSize LevelBars::sizeHint() const
{
    return {Columns * 34, Rows * 90};
}

QSize LevelBars::minimumSizeHint() const
{
    return {Columns * MinCellWidth, Rows * MinCellHeight};
}

QRect LevelBars::cell(int channel) const
{
    const int w = width() / Columns;
    const int h = height() / Rows;
    return {(channel % Columns) * w, (channel / Columns) * h, w, h};
}

int LevelBars::channelAt(const QPoint &pos) const
{
    for (int c = 0; c < ConfigLayout::ChannelCount; ++c) {
        if (cell(c).contains(pos))
            return c;
    }
    return -1;
}

bool LevelBars::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int c = channelAt(help->pos());
        if (c >= 0)
            QToolTip::showText(help->globalPos(), tr("Channel %1: %2").arg(c + 1).arg(level(c)),
                               this, cell(c));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void LevelBars::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    painter.setFont(small);
    const QPalette &p = palette();
    const QColor empty = emptyColour();
    const QColor fill = barColour();
    for (int c = 0; c < ConfigLayout::ChannelCount; ++c) {
        const QRect box = cell(c).adjusted(3, 2, -3, -2);
        const QRect top(box.left(), box.top(), box.width(), TextHeight);
        const QRect bottom(box.left(), box.bottom() - TextHeight + 1, box.width(), TextHeight);
        const QRect bar
            = box.adjusted(box.width() / 5, TextHeight + 1, -box.width() / 5, -TextHeight - 1);
        painter.setPen(p.color(QPalette::WindowText));
        painter.drawText(top, Qt::AlignCenter, QString::number(level(c)));
        painter.drawText(bottom, Qt::AlignCenter, QString::number(c + 1));
        painter.fillRect(bar, empty);
        const int filled = bar.height() * level(c) / 255;
        painter.fillRect(QRect(bar.left(), bar.bottom() - filled + 1, bar.width(), filled), fill);
        painter.setPen(p.color(QPalette::Mid));
        painter.drawRect(bar.adjusted(0, 0, -1, -1));
    }
}
