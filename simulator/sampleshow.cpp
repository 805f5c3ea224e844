#include "sampleshow.h"

#include "model/configclear.h"
#include "model/configlayout.h"
#include "model/contactmode.h"
#include "model/functioncode.h"
#include "model/programshape.h"

#include <array>

using namespace ConfigLayout;

namespace {

struct Colour
{
    u8 red;
    u8 green;
    u8 blue;
};

constexpr Colour Red {255, 0, 0};
constexpr Colour Amber {255, 126, 0};
constexpr Colour Blue {0, 0, 255};
constexpr Colour White {255, 255, 255};
constexpr Colour Green {0, 255, 0};
constexpr Colour Magenta {255, 0, 255};
constexpr Colour Cyan {0, 255, 255};
constexpr Colour WarmWhite {255, 180, 100};
constexpr Colour HalfWhite {128, 128, 128};
constexpr Colour DeepRed {80, 0, 0};

constexpr int FixtureCount = 8; // RGB fixtures on channels 1-3, 4-6 ... 22-24
constexpr int ProgramCount = PageCount - 1;
constexpr int ScenePage = 0;
constexpr int ChasePage = 1;
constexpr int RunningLightPage = 2;
constexpr int SunrisePage = 3;

// Times in tenths of a second.
constexpr u16 OneSecond = 10;

void setFixture(u8 *image, int page, int step, int fixture, Colour c)
{
    setLevel(image, page, step, 3 * fixture, c.red);
    setLevel(image, page, step, 3 * fixture + 1, c.green);
    setLevel(image, page, step, 3 * fixture + 2, c.blue);
}

void setAllFixtures(u8 *image, int page, int step, Colour c)
{
    for (int f = 0; f < FixtureCount; ++f)
        setFixture(image, page, step, f, c);
}

void setTimes(u8 *image, int page, int step, u16 rise, u16 last)
{
    setStepTime(image, page, step, RiseTime, rise);
    setStepTime(image, page, step, LastTime, last);
}

// The independent scenes: each colour fades in over a second and stays until the next.
void addScenes(u8 *image)
{
    const std::array<Colour, 8> plain {Red, Amber, Blue, White, Green, Magenta, Cyan, WarmWhite};
    for (int s = 0; s < int(plain.size()); ++s)
        setAllFixtures(image, ScenePage, s, plain[size_t(s)]);
    constexpr int Split = 8;
    for (int f = 0; f < FixtureCount; ++f)
        setFixture(image, ScenePage, Split, f, f % 2 ? Blue : Red);
    constexpr int Dimmed = 9;
    setAllFixtures(image, ScenePage, Dimmed, HalfWhite);
    for (int s = 0; s <= Dimmed; ++s) {
        setTimes(image, ScenePage, s, OneSecond, LastInfinite);
        setStepTime(image, ScenePage, s, FallTime, OneSecond);
    }
}

// Program 1: red, amber, blue and white over and over.
void addChase(u8 *image)
{
    const std::array<Colour, 4> colours {Red, Amber, Blue, White};
    for (int s = 0; s < int(colours.size()); ++s) {
        setAllFixtures(image, ChasePage, s, colours[size_t(s)]);
        setTimes(image, ChasePage, s, OneSecond, 2 * OneSecond);
    }
    ProgramShape::setStepCount(image, ChasePage, int(colours.size()), pgmLoop);
}

// Program 2: a blue light runs across the fixtures and an amber one back, then again from the
// start: all 16 steps, the last followed by the first.
void addRunningLight(u8 *image)
{
    for (int s = 0; s < StepsPerPage; ++s) {
        const bool out = s < FixtureCount;
        setFixture(image, RunningLightPage, s, out ? s : StepsPerPage - 1 - s, out ? Blue : Amber);
        setTimes(image, RunningLightPage, s, 2, 3);
    }
    ProgramShape::setContinued(image, RunningLightPage, true);
}

// Program 3: a sunrise that stays ten seconds and fades out.
void addSunrise(u8 *image)
{
    const std::array<Colour, 3> colours {DeepRed, Amber, WarmWhite};
    for (int s = 0; s < int(colours.size()); ++s) {
        setAllFixtures(image, SunrisePage, s, colours[size_t(s)]);
        setTimes(image, SunrisePage, s, 5 * OneSecond, 2 * OneSecond);
    }
    const int last = int(colours.size()) - 1;
    setStepTime(image, SunrisePage, last, LastTime, 10 * OneSecond);
    ProgramShape::setStepCount(image, SunrisePage, int(colours.size()), pgmNormal);
    setStepTime(image, SunrisePage, last, FallTime, 3 * OneSecond);
}

// The first code of an action group, by its text: the table's order decides the codes.
u8 actionCode(const char *text, int parameter = 1)
{
    for (const FunctionCode::Group &g : FunctionCode::groups) {
        if (qstrcmp(g.text, text) == 0)
            return u8(g.first + parameter - 1);
    }
    qFatal("sample show: no action \"%s\"", text);
}

void addInputs(u8 *image)
{
    struct Input
    {
        ContactMode mode;
        u8 code;
    };
    const std::array<Input, 6> inputs {{
        {ContactMode::NormallyOpen, actionCode("Load and run chosen program", 1)},
        {ContactMode::NormallyOpen, actionCode("Load next scene")},
        {ContactMode::NormallyOpen, actionCode("Pause/resume program")},
        // A stop button wired normally closed: a broken wire stops the show too.
        {ContactMode::NormallyClosed, actionCode("Controller start/stop")},
        {ContactMode::NormallyOpen, actionCode("Load special scene")},
        {ContactMode::NormallyOpen, actionCode("Toggle chosen scene", 4)},
    }};
    for (int i = 0; i < int(inputs.size()); ++i) {
        setContactMode(image, i, inputs[size_t(i)].mode);
        image[InputFunc + i] = inputs[size_t(i)].code;
    }
    // The rest are wired to nothing.
    for (int i = int(inputs.size()); i < InputCount; ++i)
        setContactMode(image, i, ContactMode::NotUsed);
    image[PowerOnFunc] = actionCode("Load and run chosen scene", 8);
}

void addRemoteKeys(u8 *image)
{
    int key = 0;
    const auto assign = [&](u8 code) {
        image[RcuKeyFunc + key++] = code;
    };
    for (int s = 1; s <= StepsPerPage; ++s)
        assign(actionCode("Load and run chosen scene", s));
    for (int p = 1; p <= ProgramCount; ++p)
        assign(actionCode("Load and run chosen program", p));
    for (const char *text :
         {"Load special scene", "Controller start/stop", "Pause/resume program", "Load next scene",
          "Load and run next program", "Red channel up", "Red channel down", "Green channel up",
          "Green channel down", "Blue channel up", "Blue channel down"})
        assign(actionCode(text));
    for (int s = 1; s <= StepsPerPage; ++s)
        assign(actionCode("Toggle chosen scene", s));
    image[RcuSysAddr] = 5;
}

// A warm glow on the fixtures, over two seconds.
void addSpecialScene(u8 *image)
{
    image[SpecialLevelRed] = 255;
    image[SpecialLevelGreen] = 140;
    image[SpecialLevelBlue] = 40;
    image[SpecialFirstChannel] = 0;
    image[SpecialLastChannel] = 3 * FixtureCount - 1;
    writeU16(image, SpecialRiseTime, 2 * OneSecond);
}

} // namespace

QByteArray sampleShowImage()
{
    QByteArray bytes(ImageSize, '\0');
    u8 *image = reinterpret_cast<u8 *>(bytes.data());
    clearImage(image, ClearFlags::All);
    addScenes(image);
    addChase(image);
    addRunningLight(image);
    addSunrise(image);
    // The other programs: one dark step that ends.
    for (int page = SunrisePage + 1; page < PageCount; ++page)
        ProgramShape::setStepCount(image, page, 1, pgmNormal);
    addInputs(image);
    addRemoteKeys(image);
    addSpecialScene(image);
    return bytes;
}
