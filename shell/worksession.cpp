#include "worksession.h"

WorkSession::WorkSession(ConfigDocument &document, QObject *parent)
    : QObject(parent)
    , imageHistory(document)
    , savedState(document)
{
    connect(&savedState, &SavedState::kept, &imageHistory, &ImageHistory::seal);
}

void WorkSession::fileUsed(const QString &fileName, bool ok)
{
    choiceWorked = ok;
    if (!ok)
        return;
    savedState.inFile();
    if (fileName == currentFile)
        return;
    currentFile = fileName;
    emit fileChanged();
}
