#include "reconnectdialog.h"

#include "common/connectlog.h"
#include "ui_reconnect.h"

namespace {
constexpr int Width = 360;
constexpr int Height = 140;
} // namespace

reconnectDialog::reconnectDialog(const QStringList &serials, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::reconnectForm>())
{
    ui->setupUi(this);
    setWindowTitle(tr("Disconnected device !"));
    ui->lbMessage->setText(tr("Previously connected controller is no longer available !\n"
                              "Retry or choose another device to connect."));
    ui->cbSerials->addItems(serials);
    ui->cbSerials->setAccessibleName(tr("Controller to connect"));
    ui->pbRetry->setText(tr("Retry"));
    ui->pbChange->setText(tr("Change"));
    ui->pbCancel->setText(tr("Cancel"));

    // Centred a little above the middle of the main window.
    if (parent) {
        const QPoint centre = parent->pos() + QPoint(parent->width() / 2, parent->height() / 2);
        setGeometry(centre.x() - Width / 2, centre.y() - 50, Width, Height);
    }

    logConnection(connect(ui->pbRetry, &QPushButton::clicked, this, &QDialog::accept));
    logConnection(connect(ui->pbChange, &QPushButton::clicked, this, &reconnectDialog::reconnect));
    logConnection(connect(ui->pbCancel, &QPushButton::clicked, this, &QDialog::reject));
}

reconnectDialog::~reconnectDialog() = default;

void reconnectDialog::reconnect()
{
    chosen = ui->cbSerials->currentText();
    accept();
}
