#include "imagehistory.h"

#include "model/configdocument.h"

#include <QUndoCommand>

namespace {

// Kinds whose consecutive edits by the same control at the same place merge into one step.
bool merges(ConfigEdit::Kind kind)
{
    switch (kind) {
    case ConfigEdit::Kind::SceneLevel:
    case ConfigEdit::Kind::StepTime:
    case ConfigEdit::Kind::SpecialScene:
    case ConfigEdit::Kind::Setting:
        return true;
    default:
        return false;
    }
}

bool samePlace(const ConfigEdit &a, const ConfigEdit &b)
{
    return a.kind == b.kind && a.source == b.source && a.page == b.page && a.step == b.step
        && a.index == b.index;
}

constexpr int MergingId = 1;

} // namespace

class ImageCommand : public QUndoCommand
{
public:
    ImageCommand(ImageHistory &history, const ConfigEdit &edit, const QByteArray &before,
                 const QByteArray &after)
        : QUndoCommand(ImageHistory::describe(edit))
        , before(before)
        , after(after)
        , history(history)
        , edit(edit)
        , generation(history.generation)
    { }

    int id() const override { return merges(edit.kind) ? MergingId : -1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const ImageCommand *>(other);
        if (!samePlace(edit, next->edit) || next->generation != generation)
            return false;
        after = next->after;
        return true;
    }
    // The edit is done already when the command is pushed.
    void redo() override
    {
        if (pushed)
            history.put(history.undoStack.index() + 1, after);
        pushed = true;
    }
    void undo() override { history.put(history.undoStack.index() - 1, before); }

    const ConfigEdit &change() const { return edit; }

    // The images on either side of the step; neighbouring steps share the one between them.
    QByteArray before;
    QByteArray after;

private:
    ImageHistory &history;
    ConfigEdit edit;
    int generation;
    bool pushed = false;
};

ImageHistory::ImageHistory(ConfigDocument &document, QObject *parent)
    : QObject(parent)
    , document(document)
{
    // About 11 MB at most: a step holds one image (see bench_undo).
    undoStack.setUndoLimit(StepLimit);
    connect(&document, &ConfigDocument::edited, this, &ImageHistory::record);
}

ImageHistory::~ImageHistory() = default;

void ImageHistory::record(const ConfigEdit &edit, const QByteArray &before)
{
    if (putting)
        return; // undo and redo are not steps of their own
    // The image before an edit is nearly always the one the last step left: kept once, a step
    // costs one image instead of two.
    QByteArray kept = before;
    if (const int top = undoStack.index() - 1; top >= 0) {
        const QByteArray &last = step(top)->after;
        if (last == before)
            kept = last;
    }
    undoStack.push(new ImageCommand(*this, edit, kept, document.snapshot()));
}

void ImageHistory::undo()
{
    if (!putting)
        undoStack.undo();
}

void ImageHistory::redo()
{
    if (!putting)
        undoStack.redo();
}

ImageCommand *ImageHistory::step(int index) const
{
    return static_cast<ImageCommand *>(const_cast<QUndoCommand *>(undoStack.command(index)));
}

void ImageHistory::put(int state, const QByteArray &image)
{
    // Nothing is recorded until the image is shown: the stack is in the middle of undo or redo.
    putting = true;
    document.restore(image, {ConfigEdit::Kind::Restore});
    emit restored();
    putting = false;

    // Showing it may have repaired it (a rule the image broke, put right by a page): the repair
    // belongs to the state shown, so that the stack and the image keep agreeing.
    const QByteArray shown = document.snapshot();
    if (shown == image)
        return;
    if (state > 0)
        step(state - 1)->after = shown;
    if (state < undoStack.count())
        step(state)->before = shown;
}

QByteArray ImageHistory::imageAt(int state) const
{
    if (state < 0 || state > undoStack.count() || undoStack.count() == 0)
        return QByteArray();
    return state < undoStack.count() ? step(state)->before : step(state - 1)->after;
}

QString ImageHistory::textOf(int index) const
{
    if (index < 0 || index >= undoStack.count())
        return QString();
    return describe(step(index)->change());
}

QString ImageHistory::undoText() const
{
    return textOf(undoStack.index() - 1);
}

QString ImageHistory::redoText() const
{
    return textOf(undoStack.index());
}

QString ImageHistory::describe(const ConfigEdit &edit)
{
    using Kind = ConfigEdit::Kind;
    const bool scene = edit.page == 0;
    switch (edit.kind) {
    case Kind::SceneLevel:
        return scene ? tr("Scene %1 level").arg(edit.step + 1)
                     : tr("Program %1 step %2 level").arg(edit.page).arg(edit.step + 1);
    case Kind::StepTime:
        return scene ? tr("Scene %1 times").arg(edit.step + 1)
                     : tr("Program %1 step %2 times").arg(edit.page).arg(edit.step + 1);
    case Kind::ProgramShape:
        return tr("Program %1 length").arg(edit.page);
    case Kind::Steps:
        return tr("Program %1 steps").arg(edit.page);
    case Kind::Copy:
        return tr("Copy");
    case Kind::Clear:
        return tr("Clear");
    case Kind::Action:
        return tr("Action");
    case Kind::ContactMode:
        return tr("Input %1 mode").arg(edit.index + 1);
    case Kind::SpecialScene:
        return tr("Special scene");
    case Kind::Setting:
        return tr("Setting");
    case Kind::RemoteAddress:
        return tr("Remote system address");
    case Kind::FileRead:
        return tr("Read from file");
    case Kind::ControllerRead:
        return tr("Read from Kelvo");
    case Kind::Restore:
        break;
    }
    return tr("Change");
}
