#include "configfields.h"

#include "configlayout.h"
#include "contactmode.h"
#include "functioncode.h"
#include "programshape.h"

using namespace ConfigLayout;

namespace ConfigFields {

namespace {

constexpr Name lastTimeNames[] {{LastInfinite, "infinite", "infinite"}};
constexpr Name programFallNames[] {{FallNextStep, "next", "next step"}, {FallLoop, "loop", "loop"}};
// The controller mixes proportionally at 0 only; any other value is the standard mode.
constexpr Name mixModeNames[] {{0, "proportional", "Proportional mode"},
                               {0xFF, "standard", "Standard (bigger win) mode"}};

constexpr int levels(Instance at)
{
    return levelOffset(at.page, at.index, 0);
}

template<TimeField F> constexpr int time(Instance at)
{
    return timeOffset(at.page, at.index, F);
}

template<int Offset> constexpr int fixed(Instance)
{
    return Offset;
}

constexpr int inputAction(Instance at)
{
    return InputFunc + at.index;
}

constexpr int remoteKey(Instance at)
{
    return RcuKeyFunc + at.index;
}

constexpr int inputBits(Instance)
{
    return InputUsedMask;
}

constexpr int timePageTail(Instance at)
{
    return timeRecordOffset(at.page, 0) + TimePageUsed;
}

// A scene or a program step: the same record, but scenes never chain to another step.
constexpr Field stepField(Shape shape, const char *key, int (*place)(Instance), const char *diff)
{
    return {.shape = shape,
            .key = key,
            .kind = Kind::Time,
            .place = place,
            .size = 2,
            .max = 0xFFFF,
            .diff = diff};
}

constexpr Field levelsField(Shape shape)
{
    return {.shape = shape,
            .key = "levels",
            .kind = Kind::Levels,
            .place = levels,
            .diff = "channel",
            .info = shape == Shape::Scene ? "Scenes with levels: %1" : "; steps with levels: %1"};
}

constexpr Field lastTimeField(Shape shape)
{
    Field field = stepField(shape, "lastTime", time<LastTime>, "last time");
    field.max = MaxLastTime;
    field.names = lastTimeNames;
    return field;
}

constexpr Field single(const char *group, const char *key, Kind kind, int (*place)(Instance),
                       const char *diff, const char *info)
{
    const bool twoBytes = kind == Kind::Time;
    return {.shape = Shape::Single,
            .key = key,
            .kind = kind,
            .place = place,
            .size = twoBytes ? 2 : 1,
            .max = twoBytes ? 0xFFFF : 255,
            .group = group,
            .diff = diff,
            .info = info};
}

constexpr Field channel(const char *group, const char *key, int (*place)(Instance),
                        const char *diff, const char *info)
{
    Field field = single(group, key, Kind::Number, place, diff, info);
    field.shownFrom = 1;
    return field;
}

constexpr Field reserved(const char *key, int (*place)(Instance), int size)
{
    return {.shape = Shape::Single,
            .key = key,
            .kind = Kind::Hex,
            .place = place,
            .size = size,
            .group = "reserved"};
}

constexpr const char *special = "specialScene";

constexpr Field programFall()
{
    Field field = stepField(Shape::ProgramStep, "fallTime", time<FallTime>, "fall time");
    field.max = MaxFallTime;
    field.names = programFallNames;
    return field;
}

const Field table[] {
    levelsField(Shape::Scene),
    stepField(Shape::Scene, "riseTime", time<RiseTime>, "rise time"),
    lastTimeField(Shape::Scene),
    stepField(Shape::Scene, "fallTime", time<FallTime>, "fall time"),

    {.shape = Shape::Program,
     .key = "stepCount",
     .kind = Kind::StepCount,
     .max = StepsPerPage,
     .diff = "steps",
     .info = "%1"},
    {.shape = Shape::Program,
     .key = "runMode",
     .kind = Kind::RunMode,
     .diff = "run mode",
     .info = ", %1"},
    levelsField(Shape::ProgramStep),
    stepField(Shape::ProgramStep, "riseTime", time<RiseTime>, "rise time"),
    lastTimeField(Shape::ProgramStep),
    programFall(),

    {.shape = Shape::Input,
     .key = "action",
     .kind = Kind::Action,
     .place = inputAction,
     .diff = "",
     .info = ", %1"},
    {.shape = Shape::Input,
     .key = "contact",
     .kind = Kind::Contact,
     .place = inputBits,
     .size = 0,
     .diff = "contact",
     .info = "%1",
     .infoLeads = true},
    single(nullptr, "powerOn", Kind::Action, fixed<PowerOnFunc>, "power on", "Power on: %1"),
    {.shape = Shape::RemoteKey,
     .key = nullptr,
     .kind = Kind::Action,
     .place = remoteKey,
     .diff = "",
     .info = "%1"},

    single(special, "red", Kind::Number, fixed<SpecialLevelRed>, "special scene red",
           "Special scene: red %1"),
    single(special, "green", Kind::Number, fixed<SpecialLevelGreen>, "special scene green",
           ", green %1"),
    single(special, "blue", Kind::Number, fixed<SpecialLevelBlue>, "special scene blue",
           ", blue %1"),
    channel(special, "firstChannel", fixed<SpecialFirstChannel>, "special scene first channel",
            ", channels %1"),
    channel(special, "lastChannel", fixed<SpecialLastChannel>, "special scene last channel",
            "..%1"),
    single(special, "riseTime", Kind::Time, fixed<SpecialRiseTime>, "special scene rise time",
           ", rise time %1"),
    {.shape = Shape::Single,
     .key = "previewFirstChannel",
     .kind = Kind::Number,
     .place = fixed<PreviewFirstChannel>,
     .shownFrom = 1,
     .span = PreviewChannels,
     .diff = "preview first channel",
     .info = "Preview: channels %1..%2"},
    {.shape = Shape::Single,
     .key = "mixMode",
     .kind = Kind::Choice,
     .place = fixed<MixMode>,
     .names = mixModeNames,
     .diff = "scene mixing mode",
     .info = "Scene mixing mode: %1"},
    single(nullptr, "systemAddress", Kind::Address, fixed<RcuSysAddr>, "remote system address",
           "System address: %1"),

    reserved("head", fixed<ReservedHead>, ReservedHeadSize),
    reserved("byte5C", fixed<Reserved5C>, 1),
    reserved("globals", fixed<ReservedGlobals>, ReservedGlobalsSize),
    {.shape = Shape::TimePage,
     .key = nullptr,
     .kind = Kind::Hex,
     .place = timePageTail,
     .size = TimePageSize - TimePageUsed},
};

} // namespace

std::span<const Field> fields()
{
    return table;
}

const char *arrayName(Shape shape)
{
    switch (shape) {
    case Shape::Single:
        break;
    case Shape::Scene:
        return "scenes";
    case Shape::Program:
        return "programs";
    case Shape::ProgramStep:
        return "steps";
    case Shape::Input:
        return "inputs";
    case Shape::RemoteKey:
        return "remoteKeys";
    case Shape::TimePage:
        return "timePageTails";
    }
    return nullptr;
}

const char *arrayGroup(Shape shape)
{
    return shape == Shape::TimePage ? "reserved" : nullptr;
}

int count(Shape shape)
{
    switch (shape) {
    case Shape::Single:
        break;
    case Shape::Scene:
    case Shape::ProgramStep:
        return StepsPerPage;
    case Shape::Program:
        return PageCount - 1;
    case Shape::Input:
        return InputCount;
    case Shape::RemoteKey:
        return RcuKeyCount;
    case Shape::TimePage:
        return PageCount;
    }
    return 1;
}

Shape parent(Shape shape)
{
    return shape == Shape::ProgramStep ? Shape::Program : Shape::Single;
}

Shape within(Shape shape, Shape outer)
{
    while (parent(shape) != outer)
        shape = parent(shape);
    return shape;
}

void forEachPart(std::span<const Field> run, Shape outer,
                 const std::function<void(const Field &)> &own,
                 const std::function<void(std::span<const Field>, Shape)> &inner)
{
    for (size_t i = 0; i < run.size();) {
        if (run[i].shape == outer) {
            own(run[i++]);
            continue;
        }
        const Shape shape = within(run[i].shape, outer);
        size_t end = i;
        while (end < run.size() && run[end].shape != outer
               && within(run[end].shape, outer) == shape)
            ++end;
        inner(run.subspan(i, end - i), shape);
        i = end;
    }
}

Instance element(Shape shape, Instance outer, int i)
{
    switch (shape) {
    case Shape::Single:
        break;
    case Shape::Program:
        return {i + 1, 0};
    case Shape::ProgramStep:
        return {outer.page, i};
    case Shape::TimePage:
        return {i, 0};
    case Shape::Scene:
    case Shape::Input:
    case Shape::RemoteKey:
        return {0, i};
    }
    return outer;
}

void forEachInstance(Shape shape, const std::function<void(Instance)> &visit)
{
    if (shape == Shape::Single) {
        visit({});
        return;
    }
    forEachInstance(parent(shape), [&](Instance outer) {
        for (int i = 0; i < count(shape); ++i)
            visit(element(shape, outer, i));
    });
}

QString placeName(Shape shape, Instance at)
{
    switch (shape) {
    case Shape::Single:
    case Shape::TimePage:
        break;
    case Shape::Scene:
        return QStringLiteral("scene %1").arg(at.index + 1);
    case Shape::Program:
        return QStringLiteral("program %1").arg(at.page);
    case Shape::ProgramStep:
        return QStringLiteral("program %1 step %2").arg(at.page).arg(at.index + 1);
    case Shape::Input:
        return QStringLiteral("input %1").arg(at.index + 1);
    case Shape::RemoteKey:
        return QStringLiteral("remote key %1").arg(at.index + 1);
    }
    return {};
}

int elements(const Field &field)
{
    return field.kind == Kind::Levels ? ChannelCount : 1;
}

int offset(const Field &field, Instance at, int element)
{
    return field.place(at) + element * field.size;
}

uint value(const Field &field, const u8 *image, Instance at, int element)
{
    const int where = offset(field, at, element);
    return field.size == 2 ? readU16(image, where) : image[where];
}

void setValue(const Field &field, u8 *image, Instance at, uint value, int element)
{
    const int where = offset(field, at, element);
    if (field.size == 2)
        writeU16(image, where, u16(value));
    else
        image[where] = u8(value);
}

const Name *nameOf(const Field &field, uint value)
{
    for (const Name &name : field.names) {
        if (name.value == value)
            return &name;
    }
    return nullptr;
}

void forEachBits(const Field &field, Instance at, const std::function<void(int, u8)> &visit)
{
    if (!field.place)
        return;
    if (field.kind == Kind::Contact) {
        const u8 bit = u8(1u << at.index);
        visit(InputUsedMask, bit);
        visit(InputNoMask, bit);
        return;
    }
    const int first = field.place(at);
    for (int i = 0; i < elements(field) * field.size; ++i)
        visit(first + i, 0xFF);
}

QString seconds(u16 units)
{
    return QStringLiteral("%1.%2 s").arg(units / 10).arg(units % 10);
}

QString text(const Field &field, const u8 *image, Instance at, int element)
{
    switch (field.kind) {
    case Kind::Number:
    case Kind::Levels:
        return QString::number(value(field, image, at, element) + uint(field.shownFrom));
    case Kind::Time: {
        const u16 units = u16(value(field, image, at, element));
        const Name *name = nameOf(field, units);
        return name ? QLatin1String(name->text) : seconds(units);
    }
    case Kind::Action: {
        const u8 code = u8(value(field, image, at, element));
        const FunctionCode::Decoded d = FunctionCode::decode(code);
        QString text = functionCodeText(code);
        // The parameter as the window's action tables show it.
        if (FunctionCode::showsParameter(d))
            text += QStringLiteral(" : %1").arg(d.offset + 1);
        return text;
    }
    case Kind::Contact:
        return QLatin1String(contactModeName(contactMode(image, at.index)));
    case Kind::Choice: {
        const Name *name = nameOf(field, value(field, image, at, element));
        return QLatin1String(name ? name->text : field.names.back().text);
    }
    case Kind::Address: {
        const u8 address = rcuAddressShown(image);
        return address <= MaxRcuSysAddr ? QString::number(address) : QStringLiteral("not used");
    }
    case Kind::StepCount:
        return QString::number(ProgramShape::read(image, at.page).steps);
    case Kind::RunMode:
        return QLatin1String(ProgramShape::runModeName(ProgramShape::read(image, at.page).mode));
    case Kind::Hex:
        break;
    }
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char *>(image + offset(field, at)), field.size).toHex());
}

} // namespace ConfigFields
