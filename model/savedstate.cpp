#include "savedstate.h"

#include "configdocument.h"

SavedState::SavedState(ConfigDocument &document, QObject *parent)
    : QObject(parent)
    , document(document)
    , fileImage(document.snapshot()) // the defaults are nobody's work
{
    connect(&document, &ConfigDocument::edited, this, &SavedState::check);
}

void SavedState::inFile()
{
    fileImage = document.snapshot();
    check();
    emit kept();
}

void SavedState::inController()
{
    controllerImage = document.snapshot();
    check();
    emit kept();
}

void SavedState::controllerUnknown()
{
    controllerImage.clear();
    check();
}

void SavedState::check()
{
    const bool now = document.differsFrom(fileImage) && document.differsFrom(controllerImage);
    if (now == risk)
        return;
    risk = now;
    emit atRiskChanged(risk);
}
