#include "remotekeyspage.h"

#include "common/connectlog.h"
#include "controller/kelvo_controller_class.h"
#include "editors/funcsetter.h"
#include "model/configlayout.h"
#include "shell/gui_class.h"
#include "ui_remotekeyspage.h"

using namespace ConfigLayout;

RemoteKeysPage::RemoteKeysPage(kelvo_controller_class &kelvo, QWidget *parent)
    : WindowPage(parent)
    , ui(std::make_unique<Ui::MainWindowRemoteKeysPage>())
{
    ui->setupUi(this);
    remoteKeyTable = new funcSetter(RcuKeyCount, kelvo.configImage() + RcuKeyFunc, false, this,
                                    &kelvo.document());
    remoteKeyTable->setObjectName(QStringLiteral("remoteKeyTable"));
    remoteKeyTable->setGeometry(10, 20, 821, 507);
    // The window's texts keep their translations.
    ui->btnRcFromDev->setToolTip(gui_class::tr("RCU: the controller's infra-red remote control"));
    logConnection(
        connect(ui->btnRcFromDev, &QPushButton::clicked, this, &RemoteKeysPage::learnRequested));
}

RemoteKeysPage::~RemoteKeysPage() = default;

void RemoteKeysPage::refresh()
{
    remoteKeyTable->refresh();
}

QList<QWidget *> RemoteKeysPage::tabOrder() const
{
    return {remoteKeyTable, ui->btnRcFromDev};
}

void RemoteKeysPage::showLearned(int key)
{
    remoteKeyTable->selRow(key);
}
