#include "configdiff.h"

#include "configlayout.h"
#include "contactmode.h"
#include "functioncode.h"
#include "programshape.h"

#include <QJsonObject>

#include <cstring>
#include <vector>

using namespace ConfigLayout;

namespace ConfigDiff {

namespace {

// Each input owns one bit of the two mask bytes; a spare bit would need a place of its own.
static_assert(InputCount == 8);

QString seconds(u16 units)
{
    return QStringLiteral("%1.%2 s").arg(units / 10).arg(units % 10);
}

QString lastTimeText(u16 units)
{
    return units == LastInfinite ? QStringLiteral("infinite") : seconds(units);
}

QString programFallText(u16 units)
{
    if (units == FallNextStep)
        return QStringLiteral("next step");
    if (units == FallLoop)
        return QStringLiteral("loop");
    return seconds(units);
}

QString hex(uint value, int digits)
{
    return QStringLiteral("0x")
        + QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

// The stored value of a one- or two-byte place.
QString raw(const u8 *image, int offset, int size)
{
    return hex(size == 2 ? readU16(image, offset) : image[offset], 2 * size);
}

// Walks both images place by place and remembers which bytes a line has accounted for.
class Differ
{
public:
    Differ(const u8 *a, const u8 *b)
        : a(a)
        , b(b)
        , explained(ImageSize, false)
    { }

    QList<Difference> differences;

    bool differs(int offset, int size) const
    {
        return std::memcmp(a + offset, b + offset, size_t(size)) != 0;
    }

    void explain(int offset, int size)
    {
        for (int i = offset; i < offset + size; ++i)
            explained[size_t(i)] = true;
    }

    void report(const QString &where, const QString &before, const QString &after)
    {
        differences.append({where, before, after});
    }

    // A place of `size` bytes at `offset`, told by `text`; the names are built only when it
    // differs. Bytes that read alike (several values shown as one) show their raw value too.
    template<typename Where, typename Text> void field(int offset, int size, Where where, Text text)
    {
        if (!differs(offset, size))
            return;
        QString before = text(a);
        QString after = text(b);
        if (before == after) {
            before += QStringLiteral(" (%1)").arg(raw(a, offset, size));
            after += QStringLiteral(" (%1)").arg(raw(b, offset, size));
        }
        explain(offset, size);
        report(where(), before, after);
    }

    // A scene, or a step of a program.
    void step(int page, int s)
    {
        const int levels = levelOffset(page, s, 0);
        const int record = timeRecordOffset(page, s);
        if (!differs(levels, ChannelCount) && !differs(record, TimeRecordSize))
            return;
        const QString name = page == 0 ? QStringLiteral("scene %1").arg(s + 1)
                                       : QStringLiteral("program %1 step %2").arg(page).arg(s + 1);
        for (int c = 0; c < ChannelCount; ++c) {
            field(
                levelOffset(page, s, c), 1,
                [&] { return name + QStringLiteral(" channel %1").arg(c + 1); },
                [&](const u8 *image) { return QString::number(level(image, page, s, c)); });
        }
        const auto time = [&](TimeField f, const char *label, QString (*text)(u16)) {
            field(
                timeOffset(page, s, f), 2, [&] { return name + QLatin1String(label); },
                [&](const u8 *image) { return text(stepTime(image, page, s, f)); });
        };
        time(RiseTime, " rise time", seconds);
        time(LastTime, " last time", lastTimeText);
        // Scenes do not chain: their fall time is always a time.
        time(FallTime, " fall time", page == 0 ? seconds : programFallText);
    }

    void program(int page)
    {
        const ProgramShape::Shape before = ProgramShape::read(a, page);
        const ProgramShape::Shape after = ProgramShape::read(b, page);
        // The shape follows from the fall times, whose own lines account for the bytes.
        if (before.steps != after.steps)
            report(QStringLiteral("program %1 steps").arg(page), QString::number(before.steps),
                   QString::number(after.steps));
        if (before.mode != after.mode)
            report(QStringLiteral("program %1 run mode").arg(page),
                   QLatin1String(ProgramShape::runModeName(before.mode)),
                   QLatin1String(ProgramShape::runModeName(after.mode)));
        for (int s = 0; s < StepsPerPage; ++s)
            step(page, s);
    }

    void input(int i)
    {
        const auto name = [i] {
            return QStringLiteral("input %1").arg(i + 1);
        };
        field(InputFunc + i, 1, name,
              [i](const u8 *image) { return actionText(image[InputFunc + i]); });
        const ContactMode before = contactMode(a, i);
        const ContactMode after = contactMode(b, i);
        if (before != after) {
            report(name() + QStringLiteral(" contact"), QLatin1String(contactModeName(before)),
                   QLatin1String(contactModeName(after)));
        } else if (inputNormallyOpen(a, i) != inputNormallyOpen(b, i)) {
            // An unused input keeps the bit though nothing shows it.
            const auto bit = [](bool on) {
                return on ? QStringLiteral("set") : QStringLiteral("clear");
            };
            report(name() + QStringLiteral(" normally-open bit"), bit(inputNormallyOpen(a, i)),
                   bit(inputNormallyOpen(b, i)));
        } else {
            return;
        }
        explain(InputUsedMask, 1);
        explain(InputNoMask, 1);
    }

    void action(int offset, const QString &where)
    {
        field(
            offset, 1, [&] { return where; },
            [offset](const u8 *image) { return actionText(image[offset]); });
    }

    void number(int offset, const char *where, int shownFrom)
    {
        field(
            offset, 1, [where] { return QLatin1String(where); },
            [=](const u8 *image) { return QString::number(image[offset] + shownFrom); });
    }

    // Whatever no place above named.
    void bytes()
    {
        for (int i = 0; i < ImageSize; ++i) {
            if (a[i] != b[i] && !explained[size_t(i)])
                report(QStringLiteral("byte ") + hex(uint(i), 4), hex(a[i], 2), hex(b[i], 2));
        }
    }

private:
    const u8 *a;
    const u8 *b;
    std::vector<bool> explained;
};

} // namespace

QString Difference::line() const
{
    return where + QStringLiteral(": ") + before + QStringLiteral(" -> ") + after;
}

QString actionText(u8 code)
{
    const FunctionCode::Decoded d = FunctionCode::decode(code);
    QString text = functionCodeText(code);
    // The parameter as the window's action tables show it.
    if (FunctionCode::showsParameter(d))
        text += QStringLiteral(" : %1").arg(d.offset + 1);
    return text;
}

QList<Difference> compare(const u8 *a, const u8 *b)
{
    if (std::memcmp(a, b, ImageSize) == 0)
        return {};
    Differ d(a, b);

    for (int s = 0; s < StepsPerPage; ++s)
        d.step(0, s);
    for (int p = 1; p < PageCount; ++p)
        d.program(p);
    for (int i = 0; i < InputCount; ++i)
        d.input(i);
    d.action(PowerOnFunc, QStringLiteral("power on"));
    for (int k = 0; k < RcuKeyCount; ++k) {
        if (d.differs(RcuKeyFunc + k, 1))
            d.action(RcuKeyFunc + k, QStringLiteral("remote key %1").arg(k + 1));
    }

    d.number(SpecialLevelRed, "special scene red", 0);
    d.number(SpecialLevelGreen, "special scene green", 0);
    d.number(SpecialLevelBlue, "special scene blue", 0);
    d.number(SpecialFirstChannel, "special scene first channel", 1);
    d.number(SpecialLastChannel, "special scene last channel", 1);
    d.field(
        SpecialRiseTime, 2, [] { return QStringLiteral("special scene rise time"); },
        [](const u8 *image) { return seconds(readU16(image, SpecialRiseTime)); });

    d.number(PreviewFirstChannel, "preview first channel", 1);
    d.field(
        MixMode, 1, [] { return QStringLiteral("scene mixing mode"); },
        [](const u8 *image) {
            return image[MixMode] ? QStringLiteral("Standard (bigger win) mode")
                                  : QStringLiteral("Proportional mode");
        });
    d.field(
        RcuSysAddr, 1, [] { return QStringLiteral("remote system address"); },
        [](const u8 *image) {
            const u8 address = rcuAddressShown(image);
            return address <= MaxRcuSysAddr ? QString::number(address) : QStringLiteral("not used");
        });

    d.bytes();
    return d.differences;
}

QJsonArray toJson(const QList<Difference> &differences)
{
    QJsonArray array;
    for (const Difference &d : differences)
        array.append(QJsonObject {{"where", d.where}, {"before", d.before}, {"after", d.after}});
    return array;
}

} // namespace ConfigDiff
