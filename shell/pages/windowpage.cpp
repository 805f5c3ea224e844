#include "windowpage.h"

WindowPage::~WindowPage()
{
    disconnectControls();
}

void WindowPage::disconnectControls()
{
    for (QObject *child : findChildren<QObject *>())
        disconnect(child, nullptr, this, nullptr);
}
