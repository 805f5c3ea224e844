#pragma once

#include "show/showengine.h"

#include <QByteArray>
#include <QWidget>

#include <array>

class ColourSwatches;
class ConfigDocument;
class LevelBars;
class ProgramTimelineView;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class ShowPreviewPlayer;

// Plays the configuration in the window without a controller: a scene, a program or the whole
// show from power-on, with the outputs as bars and colours, a program's steps as a timeline,
// and the inputs, the remote and power-on to try. It reads the document and never changes it;
// edits made while it plays take effect at once.
class ShowPreviewWindow : public QWidget
{
    Q_OBJECT

public:
    enum class Source { Scene, SpecialScene, Program, Show };

    explicit ShowPreviewWindow(ConfigDocument &document, QWidget *parent = nullptr);
    ~ShowPreviewWindow() override;

    // Chooses what to play (a scene 1..16, a program 1..8) and plays it from the start.
    void play(Source source, int number = 1);
    // The same, stopped at the start.
    void choose(Source source, int number = 1);
    Source source() const;
    int number() const;
    ShowPreviewPlayer &player() { return *preview; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *makeSourceRow();
    QWidget *makeTransportRow();
    QWidget *makeTryGroup();
    void imageEdited();
    void sourceChosen();
    void showFrame();
    void showTimeline();
    void updateButtons();
    void followScreen();
    QString statusText(const ShowEngine::Status &status) const;
    QString lengthText() const;

    ConfigDocument &document;
    QByteArray image; // the copy being played
    ShowPreviewPlayer *preview;
    int timelineProgram = 0;

    QComboBox *sourceBox = nullptr;
    QSpinBox *numberBox = nullptr;
    QPushButton *playButton = nullptr;
    QPushButton *pauseButton = nullptr;
    QPushButton *stopButton = nullptr;
    QPushButton *restartButton = nullptr;
    QSpinBox *speedBox = nullptr;
    QLabel *timeLabel = nullptr;
    QLabel *statusLabel = nullptr;
    QLabel *scenesLabel = nullptr;
    QLabel *lengthLabel = nullptr;
    ProgramTimelineView *timeline = nullptr;
    LevelBars *bars = nullptr;
    ColourSwatches *swatches = nullptr;
    QSpinBox *keyBox = nullptr;
    QSpinBox *addressBox = nullptr;
};
