#include "inftime_class.h"

#include "common/connectlog.h"
#include "model/configlayout.h"
#include "model/devicetime.h"
#include "mytimeedit.h"

#include <QCheckBox>
#include <QHBoxLayout>

infTime_class::infTime_class(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(3);
    layout->setContentsMargins(1, 1, 1, 1);

    timeEdit = new MyTimeEdit(this);
    timeEdit->setLargestTime(fromDeviceTime(ConfigLayout::MaxLastTime));
    infinite = new QCheckBox(this);
    layout->addWidget(timeEdit);
    layout->addWidget(infinite);

    logConnection(connect(infinite, &QCheckBox::stateChanged, this, &infTime_class::editEnable));
}

void infTime_class::editEnable(int state)
{
    timeEdit->setEnabled(state != Qt::Checked);
}

void infTime_class::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    if (!timeEdit->testAttribute(Qt::WA_UnderMouse) && !infinite->testAttribute(Qt::WA_UnderMouse))
        emit leaved(this);
}
