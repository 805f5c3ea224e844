#pragma once

#include "common/prompts.h"

#include <QList>
#include <QString>

// What a long job of the controller came to, for whoever started it: the window turns it into its
// boxes, a program without windows into messages and an exit status.
struct JobResult
{
    enum class Outcome {
        Done,
        NotConnected, // no controller was open when the job began
        Busy, // connecting: a controller is there, but another program holds it
        LinkLost, // the controller stopped answering, or left the bus, during the job
        Cancelled, // the user cancelled (a progress dialog or a question)
        Refused, // not started: a file, a version, memory; `detail` says why
        WrongAnswer, // the controller answered, but not as the protocol wants
        Differs, // a verify found `differingBlocks`
        FileError, // a file could not be read or written; `detail` is the system's reason
    };

    Outcome outcome = Outcome::Done;
    // What the user is told about it, with the kind and title of the box the window shows it in.
    // Empty when there is nothing more to say (a link error box or the user's answer said it).
    QString detail;
    QString detailTitle;
    Prompts::Kind detailKind = Prompts::Kind::Warning;
    // The controller was touched: the job was under way when it ended.
    bool started = false;
    // Blocks transferred before the job ended.
    int blocks = 0;
    // Firmware verify: the blocks (1-based) the controller reported as different.
    QList<int> differingBlocks;
    // What a settings job read: the input or remote key learned (0-based), the remote's address.
    int value = -1;

    bool ok() const { return outcome == Outcome::Done; }
    static JobResult done() { return {}; }
    static JobResult failed(Outcome outcome, const QString &detail = {},
                            Prompts::Kind detailKind = Prompts::Kind::Warning,
                            const QString &detailTitle = {})
    {
        JobResult result;
        result.outcome = outcome;
        result.detail = detail;
        result.detailKind = detailKind;
        result.detailTitle = detailTitle;
        return result;
    }
};
