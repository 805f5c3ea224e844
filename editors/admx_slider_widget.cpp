#include "admx_slider_widget.h"

#include "common/connectlog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QSpacerItem>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QString captionText(int channel)
{
    switch (channel) {
    case -1:
        return admx_slider_widget::tr("Red");
    case -2:
        return admx_slider_widget::tr("Green");
    case -3:
        return admx_slider_widget::tr("Blue");
    default:
        return QStringLiteral("%1").arg(channel);
    }
}

} // namespace

admx_slider_widget::admx_slider_widget(int channelNumber, int x, int y, QWidget *parent)
    : QWidget(nullptr)
    , baseChannel(channelNumber)
    , channel(channelNumber)
{
    box = new QWidget(parent);
    box->setGeometry(x, y, 67, 200);

    captionLabel = new QLabel(captionText(channel), box);
    captionLabel->setObjectName(QStringLiteral("caption"));

    levelSlider = new QSlider(Qt::Vertical, box);
    levelSlider->setObjectName(QStringLiteral("slider"));
    levelSlider->setRange(0, 255);
    levelSlider->setValue(0);
    levelSlider->setTickPosition(QSlider::TicksBelow);
    levelSlider->setTickInterval(10);
    levelSlider->setSingleStep(1);
    levelSlider->setFocusPolicy(Qt::StrongFocus);

    levelBox = new QSpinBox(box);
    levelBox->setObjectName(QStringLiteral("level"));
    levelBox->setRange(0, 255);
    levelBox->setSingleStep(1);
    levelBox->setValue(0);

    auto *captionRow = new QHBoxLayout;
    captionRow->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    captionRow->addWidget(captionLabel);
    captionRow->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    auto *column = new QVBoxLayout(box);
    column->addLayout(captionRow);
    column->addWidget(levelSlider, 0, Qt::AlignHCenter);
    column->addWidget(levelBox);

    // Slider and box always show the same level; only the slider reports it, so every change
    // ends in exactly one chValCh.
    logConnection(connect(levelSlider, &QSlider::valueChanged, levelBox, &QSpinBox::setValue));
    logConnection(connect(levelSlider, &QSlider::valueChanged, this,
                          &admx_slider_widget::emitChannelChanges));
    logConnection(connect(levelBox, &QSpinBox::valueChanged, levelSlider, &QSlider::setValue));
    nameControls();
}

void admx_slider_widget::setChannel(int ch)
{
    channel = baseChannel + ch;
    captionLabel->setText(QStringLiteral("%1").arg(channel));
    nameControls();
}

void admx_slider_widget::nameControls()
{
    switch (channel) {
    case -1:
        levelSlider->setAccessibleName(tr("Red level"));
        levelBox->setAccessibleName(tr("Red level value"));
        break;
    case -2:
        levelSlider->setAccessibleName(tr("Green level"));
        levelBox->setAccessibleName(tr("Green level value"));
        break;
    case -3:
        levelSlider->setAccessibleName(tr("Blue level"));
        levelBox->setAccessibleName(tr("Blue level value"));
        break;
    default:
        levelSlider->setAccessibleName(tr("Channel %1 level").arg(channel));
        levelBox->setAccessibleName(tr("Channel %1 level value").arg(channel));
        break;
    }
}

void admx_slider_widget::emitChannelChanges(int value)
{
    emit chValCh(channel, value);
}
