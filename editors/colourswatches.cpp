#include "colourswatches.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {
constexpr int CellWidth = 30;
constexpr int MinCellWidth = 18;
constexpr int SwatchHeight = 22;
constexpr int TextHeight = 14;
} // namespace

ColourSwatches::ColourSwatches(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void ColourSwatches::setTriples(const QList<int> &firstChannels)
{
    QList<int> kept;
    for (int first : firstChannels) {
        if (first >= 0 && first + 2 < ConfigLayout::ChannelCount)
            kept << first;
    }
    if (kept == firsts)
        return;
    firsts = kept;
    updateGeometry();
    update();
}

void ColourSwatches::setLevels(const Levels &levels)
{
    if (levels == shown)
        return;
    shown = levels;
    update();
}

QColor ColourSwatches::colour(int index) const
{
    const auto c = size_t(firsts.at(index));
    return QColor(shown[c], shown[c + 1], shown[c + 2]);
}

QSize ColourSwatches::sizeHint() const
{
    return {int(firsts.size()) * CellWidth, SwatchHeight + TextHeight + 4};
}

QSize ColourSwatches::minimumSizeHint() const
{
    return {int(firsts.size()) * MinCellWidth, SwatchHeight + TextHeight + 4};
}

QRect ColourSwatches::cell(int index) const
{
    const int w = firsts.isEmpty() ? 0 : qMin(width() / int(firsts.size()), CellWidth * 2);
    return {index * w, 0, w, height()};
}

int ColourSwatches::indexAt(const QPoint &pos) const
{
    for (int i = 0; i < firsts.size(); ++i) {
        if (cell(i).contains(pos))
            return i;
    }
    return -1;
}

bool ColourSwatches::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int i = indexAt(help->pos());
        if (i >= 0) {
            const int first = firsts.at(i);
            const QColor c = colour(i);
            QToolTip::showText(help->globalPos(),
                               tr("Channels %1 to %2: red %3, green %4, blue %5")
                                   .arg(first + 1)
                                   .arg(first + 3)
                                   .arg(c.red())
                                   .arg(c.green())
                                   .arg(c.blue()),
                               this, cell(i));
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}

void ColourSwatches::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    painter.setFont(small);
    const QPalette &p = palette();
    for (int i = 0; i < firsts.size(); ++i) {
        const QRect box = cell(i).adjusted(2, 2, -2, -2);
        const QRect swatch(box.left(), box.top(), box.width(), SwatchHeight);
        painter.fillRect(swatch, colour(i));
        // A dark swatch on a dark window still shows where it is.
        painter.setPen(p.color(QPalette::Mid));
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        painter.setPen(p.color(QPalette::WindowText));
        painter.drawText(QRect(box.left(), swatch.bottom() + 1, box.width(), TextHeight),
                         Qt::AlignCenter, QString::number(firsts.at(i) + 1));
    }
}
