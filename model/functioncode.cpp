#include "functioncode.h"

#include <QCoreApplication>

namespace FunctionCode {

// The group texts belong to the chooser that offers them.
const Group groups[GroupCount] = {
    {0, 1, QT_TRANSLATE_NOOP("funcChooser", "Load next scene")},
    {1, 1, QT_TRANSLATE_NOOP("funcChooser", "Load and run next program")},
    {2, 1, QT_TRANSLATE_NOOP("funcChooser", "Controller start/stop")},
    {3, 1, QT_TRANSLATE_NOOP("funcChooser", "Pause/resume program")},
    {4, 1, QT_TRANSLATE_NOOP("funcChooser", "Red channel up/down")},
    {5, 1, QT_TRANSLATE_NOOP("funcChooser", "Green channel up/down")},
    {6, 1, QT_TRANSLATE_NOOP("funcChooser", "Blue channel up/down")},
    {7, 1, QT_TRANSLATE_NOOP("funcChooser", "Red channel up")},
    {8, 1, QT_TRANSLATE_NOOP("funcChooser", "Red channel down")},
    {9, 1, QT_TRANSLATE_NOOP("funcChooser", "Green channel up")},
    {10, 1, QT_TRANSLATE_NOOP("funcChooser", "Green channel down")},
    {11, 1, QT_TRANSLATE_NOOP("funcChooser", "Blue channel up")},
    {12, 1, QT_TRANSLATE_NOOP("funcChooser", "Blue channel down")},
    {LoadChosenScene, 16, QT_TRANSLATE_NOOP("funcChooser", "Load and run chosen scene")},
    {LoadSpecialScene, 1, QT_TRANSLATE_NOOP("funcChooser", "Load special scene")},
    {RunChosenProgram, 8, QT_TRANSLATE_NOOP("funcChooser", "Load and run chosen program")},
    {38, 16, QT_TRANSLATE_NOOP("funcChooser", "Toggle chosen scene")},
    {255, 0, QT_TRANSLATE_NOOP("funcChooser", "No action")},
};

Decoded decode(u8 code)
{
    int g = 0;
    while (g < GroupCount - 1 && groups[g].first < code)
        ++g;
    if (groups[g].first == code)
        return {g, 0};
    --g;
    return {g, code - groups[g].first};
}

} // namespace FunctionCode

QString functionCodeText(u8 code)
{
    const FunctionCode::Decoded d = FunctionCode::decode(code);
    return QCoreApplication::translate("funcChooser", FunctionCode::groups[d.group].text);
}
