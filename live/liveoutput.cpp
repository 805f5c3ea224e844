#include "liveoutput.h"

#include "livelink.h"
#include "model/configdocument.h"
#include "model/configedit.h"
#include "model/configlayout.h"

#include <cstring>

using namespace ConfigLayout;

LiveOutput::LiveOutput(ConfigDocument &document, LiveLink &link, QObject *parent)
    : QObject(parent)
    , document(document)
    , link(link)
{
    connect(&document, &ConfigDocument::edited, this, &LiveOutput::edited);
}

void LiveOutput::levels(int page, int step, u8 *into) const
{
    const u8 *image = document.data();
    if (page == SpecialScenePage && step == SpecialSceneStep) {
        const u8 colour[3]
            = {image[SpecialLevelRed], image[SpecialLevelGreen], image[SpecialLevelBlue]};
        for (int c = 0; c < ChannelCount; ++c)
            into[c] = colour[liveSpecialColour(c)];
    } else if (step < 0) {
        std::memset(into, 0, ChannelCount);
    } else {
        // Step 0 comes from a program table without a current row: show its first step rather
        // than the last step of the page before.
        const int shown = qBound(0, step - 1, StepsPerPage - 1);
        std::memcpy(into, image + levelOffset(qBound(0, page, PageCount - 1), shown, 0),
                    ChannelCount);
    }
}

void LiveOutput::showStep(int page, int step)
{
    shownPage = page;
    shownStep = step;
    resend();
}

void LiveOutput::showLevel(int channel, int level)
{
    if (channel >= 0 && channel < ChannelCount)
        link.sendLevel(channel, level);
}

void LiveOutput::resend()
{
    if (!link.liveRequested() || !document.data())
        return;
    u8 shown[ChannelCount];
    levels(shownPage, shownStep, shown);
    link.sendScene(shown);
}

void LiveOutput::edited(const ConfigEdit &edit, const QByteArray &)
{
    const u8 *image = document.data();
    switch (edit.kind) {
    case ConfigEdit::Kind::SpecialScene:
        // One colour's slider: every channel the spread gives that colour.
        if (edit.index >= 0 && edit.index < 3) {
            for (int ch = 0; ch < ChannelCount; ++ch) {
                if (liveSpecialColour(ch) == edit.index)
                    link.sendLevel(ch, image[SpecialLevelRed + edit.index]);
            }
        }
        break;
    case ConfigEdit::Kind::Restore:
        resend(); // undo and redo: the outputs follow the image put back
        break;
    default:
        break;
    }
}
