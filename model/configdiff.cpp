#include "configdiff.h"

#include "configfields.h"
#include "configlayout.h"
#include "contactmode.h"

#include <QJsonObject>

#include <cstring>
#include <vector>

using namespace ConfigLayout;
using namespace ConfigFields;

namespace ConfigDiff {

namespace {

// Each input owns one bit of the two mask bytes; a spare bit would need a place of its own.
static_assert(InputCount == 8);

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

    // One field at one place; its name is built only when it differs.
    void place(const Field &f, Instance at)
    {
        if (!f.diff)
            return; // reserved: the byte lines name them
        const auto name = [&f, at] {
            QString name = placeName(f.shape, at);
            if (*f.diff && !name.isEmpty())
                name += QLatin1Char(' ');
            return name + QLatin1String(f.diff);
        };
        switch (f.kind) {
        case Kind::Levels:
            if (!differs(offset(f, at), elements(f) * f.size))
                return;
            for (int c = 0; c < elements(f); ++c) {
                field(
                    offset(f, at, c), f.size,
                    [&] { return name() + QStringLiteral(" %1").arg(c + 1); },
                    [&](const u8 *image) { return text(f, image, at, c); });
            }
            return;
        case Kind::Contact:
            contact(name, at.index);
            return;
        case Kind::StepCount:
        case Kind::RunMode: {
            // Read off the fall times, whose own lines account for the bytes.
            const QString before = text(f, a, at);
            const QString after = text(f, b, at);
            if (before != after)
                report(name(), before, after);
            return;
        }
        default:
            field(offset(f, at), f.size, name, [&](const u8 *image) { return text(f, image, at); });
        }
    }

    template<typename Name> void contact(Name name, int i)
    {
        const ContactMode before = contactMode(a, i);
        const ContactMode after = contactMode(b, i);
        if (before != after) {
            report(name(), QLatin1String(contactModeName(before)),
                   QLatin1String(contactModeName(after)));
        } else if (inputNormallyOpen(a, i) != inputNormallyOpen(b, i)) {
            // An unused input keeps the bit though nothing shows it.
            const auto bit = [](bool on) {
                return on ? QStringLiteral("set") : QStringLiteral("clear");
            };
            report(placeName(Shape::Input, {0, i}) + QStringLiteral(" normally-open bit"),
                   bit(inputNormallyOpen(a, i)), bit(inputNormallyOpen(b, i)));
        } else {
            return;
        }
        explain(InputUsedMask, 1);
        explain(InputNoMask, 1);
    }

    // The fields of `run` at a place of `outer`: a field of that shape at once, one of a
    // shape inside it place by place, all of that shape's fields at each place in turn.
    void walk(std::span<const Field> run, Shape outer, Instance at)
    {
        forEachPart(
            run, outer, [&](const Field &f) { place(f, at); },
            [&](std::span<const Field> inner, Shape shape) {
                for (int k = 0; k < count(shape); ++k)
                    walk(inner, shape, element(shape, at, k));
            });
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

QList<Difference> compare(const u8 *a, const u8 *b)
{
    if (std::memcmp(a, b, ImageSize) == 0)
        return {};
    Differ d(a, b);
    d.walk(fields(), Shape::Single, {});
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
