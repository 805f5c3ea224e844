#pragma once

#include "imagehistory.h"
#include "model/savedstate.h"

#include <QObject>
#include <QString>

class ConfigDocument;

// What the user's work needs beyond the image, for as long as the program runs: its undo history,
// where it is kept safe, and the file it belongs to. A window rebuilt for another language takes
// it over unchanged.
class WorkSession : public QObject
{
    Q_OBJECT

public:
    explicit WorkSession(ConfigDocument &document, QObject *parent = nullptr);

    ImageHistory &history() { return imageHistory; }
    SavedState &saved() { return savedState; }

    // The file last read or saved successfully; empty while there is none.
    QString fileName() const { return currentFile; }
    // The image was read from or saved to this file (ok) or that failed (the file stays).
    void fileUsed(const QString &fileName, bool ok);
    // Whether the name last chosen in a file dialog was read or saved successfully.
    bool lastChoiceWorked() const { return choiceWorked; }

    // Where the user was in the window, for the window built next (a language change).
    struct View
    {
        bool kept = false;
        int mainTab = 0;
        int settingsTab = 0;
        int sceneProgram = 0; // 0: the independent scenes
        int sceneStep = 1;
        int program = 1;
        int programRow = 0;
        bool previewShown = false;
        int previewSource = 0;
        int previewNumber = 1;
    };
    View view;

signals:
    void fileChanged();

private:
    ImageHistory imageHistory;
    SavedState savedState;
    QString currentFile;
    bool choiceWorked = false;
};
