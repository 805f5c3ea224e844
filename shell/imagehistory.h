#pragma once

#include "model/configedit.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUndoStack>

class ConfigDocument;
class ImageCommand;

// The undo history of the configuration: every edit of the document is a step, undo and redo put
// the image as it was back. Consecutive changes by one control at one place (a slider dragged, a
// level typed) are one step. A snapshot is 10,496 bytes, so a step keeps two whole images.
class ImageHistory : public QObject
{
    Q_OBJECT

public:
    // The oldest steps are forgotten beyond this many.
    static constexpr int StepLimit = 1000;

    explicit ImageHistory(ConfigDocument &document, QObject *parent = nullptr);
    ~ImageHistory() override;

    QUndoStack &stack() { return undoStack; }
    // Undo and redo; ignored while an image is being put back (a box that shows is no way in).
    void undo();
    void redo();
    // The image the history stands for at `state` (0 before the first step, count() after the
    // last); empty while there are no steps.
    QByteArray imageAt(int state) const;
    // What an edit is called in the Undo and Redo texts ("Scene 3 level").
    static QString describe(const ConfigEdit &edit);
    // The steps undo and redo would take back or make again, described in the language now in
    // force (the stack's own texts keep the language they were recorded in); empty when none.
    QString undoText() const;
    QString redoText() const;
    // The work was just kept somewhere (saved, sent): the next change starts a step of its own,
    // so that undo can go back to exactly what was kept.
    void seal() { ++generation; }

signals:
    // Undo or redo changed the image: whoever shows it shows it again.
    void restored();

private:
    friend class ImageCommand;
    void record(const ConfigEdit &edit, const QByteArray &before);
    // Puts the image of `state` back and shows it.
    void put(int state, const QByteArray &image);
    ImageCommand *step(int index) const;
    QString textOf(int index) const;

    ConfigDocument &document;
    QUndoStack undoStack;
    bool putting = false;
    int generation = 0;
};
