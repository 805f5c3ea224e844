#pragma once

// The user's answers to the questions a firmware job can meet, given before it starts: the window
// asks each when it comes up, a program without windows answers from its options.
struct FirmwareJobOptions
{
    enum class Answer {
        Ask, // a box through the prompts, as the window shows it
        Yes,
        No,
    };

    // The upgrade file's release is older than the controller's: install it anyway?
    Answer installOlder = Answer::Ask;
    // A verify met a block that differs: go on comparing (and list every one), or stop there?
    Answer continuePastDifference = Answer::Ask;
};
