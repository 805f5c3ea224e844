#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>

namespace Ui {
class reconnectForm;
}

// Shown when the controller used before is gone but others are there: Retry searches again,
// Change adopts the chosen serial number (chosenSerial()) and searches, Cancel gives up.
class reconnectDialog : public QDialog
{
    Q_OBJECT

public:
    reconnectDialog(const QStringList &serials, QWidget *parent);
    ~reconnectDialog() override;

    // The serial number chosen with Change; empty after Retry or Cancel.
    QString chosenSerial() const { return chosen; }

public slots:
    void reconnect();

private:
    std::unique_ptr<Ui::reconnectForm> ui;
    QString chosen;
};
