#pragma once

#include <QByteArray>
#include <QObject>

class ConfigDocument;

// Whether work would be lost: the configuration is at risk while it differs both from what was
// last saved to or read from a file and from what was last sent to or read from the controller.
// Work is lost only when it is in neither place.
class SavedState : public QObject
{
    Q_OBJECT

public:
    explicit SavedState(ConfigDocument &document, QObject *parent = nullptr);

    // The image is now in a file (saved, or read from it).
    void inFile();
    // The image is now in the controller (sent, or read from it).
    void inController();
    // A write to the controller did not complete: what it holds now is anybody's guess.
    void controllerUnknown();

    bool atRisk() const { return risk; }

signals:
    void atRiskChanged(bool atRisk);
    // The image was just kept in a file or the controller.
    void kept();

private:
    void check();

    ConfigDocument &document;
    QByteArray fileImage;
    QByteArray controllerImage;
    bool risk = false;
};
