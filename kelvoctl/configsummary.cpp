#include "configsummary.h"

#include "model/configfields.h"
#include "model/functioncode.h"
#include "model/programshape.h"

#include <QStringList>

#include <span>

using namespace ConfigFields;

namespace Kelvoctl {

namespace {

// Shapes whose places are listed a line each.
struct ListWords
{
    Shape shape;
    const char *heading;
    const char *item; // %1 the place's number
    const char *none; // after the heading when no place is shown; nullptr: every place is
};

constexpr ListWords lists[] {
    {Shape::Program, "Programs:", "  Program %1: ", nullptr},
    {Shape::Input, "Inputs:", "  Input %1: ", nullptr},
    {Shape::RemoteKey, "Remote keys:", "  Key %1: ", " all No action"},
};

const ListWords *listOf(Shape shape)
{
    for (const ListWords &list : lists) {
        if (list.shape == shape)
            return &list;
    }
    return nullptr;
}

QString numberList(const QList<int> &numbers)
{
    if (numbers.isEmpty())
        return QStringLiteral("none");
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(QStringLiteral(", "));
}

QString valueText(const Field &field, const u8 *image, Instance at)
{
    switch (field.kind) {
    case Kind::Action: {
        const u8 code = u8(value(field, image, at));
        const FunctionCode::Decoded d = FunctionCode::decode(code);
        QString text = functionCodeText(code);
        if (FunctionCode::showsParameter(d))
            text += QStringLiteral(" %1").arg(d.offset + 1);
        return text;
    }
    case Kind::StepCount: {
        const int steps = ProgramShape::read(image, at.page).steps;
        return QString::number(steps)
            + (steps == 1 ? QStringLiteral(" step") : QStringLiteral(" steps"));
    }
    default:
        return text(field, image, at);
    }
}

class Summary
{
public:
    explicit Summary(const u8 *image)
        : image(image)
    { }

    QString text;

    // The fields of `run` at a place of `outer`, as the diff walks them.
    void walk(std::span<const Field> run, Shape outer, Instance at)
    {
        // A place's leading fields come first in its line.
        for (const Field &field : run) {
            if (field.shape == outer && field.info && field.infoLeads)
                piece(field, valueText(field, image, at), at);
        }
        forEachPart(
            run, outer,
            [&](const Field &field) {
                if (field.info && !field.infoLeads)
                    piece(field, valueText(field, image, at), at);
            },
            [&](std::span<const Field> inner, Shape shape) {
                if (const ListWords *list = listOf(shape))
                    listed(*list, inner, at);
                else
                    gathered(inner, shape, at);
            });
    }

    void endLine()
    {
        if (open)
            text += QLatin1Char('\n');
        open = false;
    }

private:
    const u8 *image;
    bool open = false; // a line is being written
    bool fresh = false; // ...and has nothing but its start

    void piece(const Field &field, const QString &shown, Instance at)
    {
        const bool goesOn = QByteArrayView(",;.").contains(field.info[0]);
        if (!goesOn && !fresh)
            endLine();
        const QString words = QString::fromLatin1(field.info);
        if (field.span > 1)
            text += words.arg(
                shown,
                QString::number(value(field, image, at) + uint(field.shownFrom + field.span - 1)));
        else
            text += words.arg(shown);
        open = true;
        fresh = false;
    }

    // A line for each place worth showing.
    void listed(const ListWords &list, std::span<const Field> run, Instance outer)
    {
        endLine();
        text += QLatin1String(list.heading);
        int shown = 0;
        for (int k = 0; k < count(list.shape); ++k) {
            const Instance at = element(list.shape, outer, k);
            if (list.none && !worthShowing(run, at))
                continue;
            text += QLatin1Char('\n') + QString::fromLatin1(list.item).arg(k + 1);
            open = fresh = true;
            walk(run, list.shape, at);
            open = fresh = false;
            ++shown;
        }
        text += shown ? QStringLiteral("\n") : QLatin1String(list.none) + QLatin1Char('\n');
    }

    // A place whose actions all do nothing is left out where the list says so.
    bool worthShowing(std::span<const Field> run, Instance at) const
    {
        for (const Field &field : run) {
            if (field.kind == Kind::Action && value(field, image, at) != FunctionCode::NoAction)
                return true;
        }
        return false;
    }

    // Places summed up in one piece: the numbers of those with any level.
    void gathered(std::span<const Field> run, Shape inner, Instance outer)
    {
        for (const Field &field : run) {
            if (field.shape != inner || field.kind != Kind::Levels || !field.info)
                continue;
            QList<int> withLevels;
            for (int k = 0; k < count(inner); ++k) {
                const Instance at = element(inner, outer, k);
                for (int c = 0; c < elements(field); ++c) {
                    if (value(field, image, at, c)) {
                        withLevels << k + 1;
                        break;
                    }
                }
            }
            piece(field, numberList(withLevels), outer);
        }
    }
};

} // namespace

QString configSummary(const u8 *image)
{
    Summary summary(image);
    summary.walk(fields(), Shape::Single, {});
    summary.endLine();
    return summary.text;
}

} // namespace Kelvoctl
