// The image's field table: every bit kept by one field, and every field reaching the JSON
// document and the diff at its own place only.

#include "model/configdiff.h"
#include "model/configfields.h"
#include "model/configjson.h"
#include "model/configlayout.h"
#include "support/configfilefixtures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

using namespace ConfigLayout;
using namespace ConfigFields;
using namespace ConfigFileFixtures;

namespace {

u8 *data(QByteArray &image)
{
    return reinterpret_cast<u8 *>(image.data());
}

// The JSON path of a field at a place, spelled out here rather than taken from the reader.
QString jsonPath(const Field &field, Instance at)
{
    QString path = QStringLiteral("$");
    const auto arrayOf = [&](Shape shape, int i) {
        if (arrayGroup(shape))
            path += QLatin1Char('.') + QLatin1String(arrayGroup(shape));
        path += QStringLiteral(".%1[%2]").arg(QLatin1String(arrayName(shape))).arg(i);
    };
    switch (field.shape) {
    case Shape::Single:
        break;
    case Shape::Scene:
    case Shape::Input:
    case Shape::RemoteKey:
        arrayOf(field.shape, at.index);
        break;
    case Shape::Program:
    case Shape::TimePage:
        arrayOf(field.shape, field.shape == Shape::Program ? at.page - 1 : at.page);
        break;
    case Shape::ProgramStep:
        arrayOf(Shape::Program, at.page - 1);
        arrayOf(Shape::ProgramStep, at.index);
        break;
    }
    if (field.group)
        path += QLatin1Char('.') + QLatin1String(field.group);
    if (field.key)
        path += QLatin1Char('.') + QLatin1String(field.key);
    return path;
}

// The paths of the leaves where two JSON values differ.
void differingPaths(const QJsonValue &a, const QJsonValue &b, const QString &path,
                    QStringList &paths)
{
    if (a.isObject() && b.isObject()) {
        QStringList keys = a.toObject().keys() + b.toObject().keys();
        keys.removeDuplicates();
        for (const QString &key : keys)
            differingPaths(a.toObject().value(key), b.toObject().value(key),
                           path + QLatin1Char('.') + key, paths);
    } else if (a.isArray() && b.isArray() && a.toArray().size() == b.toArray().size()) {
        for (qsizetype i = 0; i < a.toArray().size(); ++i)
            differingPaths(a.toArray()[i], b.toArray()[i], path + QStringLiteral("[%1]").arg(i),
                           paths);
    } else if (a != b) {
        paths << path;
    }
}

bool under(const QString &path, const QString &prefix)
{
    return path == prefix || path.startsWith(prefix + QLatin1Char('.'))
        || path.startsWith(prefix + QLatin1Char('['));
}

} // namespace

class tst_ConfigFields : public QObject
{
    Q_OBJECT

private slots:
    void everyBitOnce();
    void onePlace_data();
    void onePlace();
};

void tst_ConfigFields::everyBitOnce()
{
    std::vector<int> keepers(size_t(ImageSize) * 8, 0);
    for (const Field &field : fields()) {
        forEachInstance(field.shape, [&](Instance at) {
            forEachBits(field, at, [&](int offset, u8 mask) {
                QVERIFY(offset >= 0 && offset < ImageSize);
                for (int bit = 0; bit < 8; ++bit) {
                    if (mask & (1u << bit))
                        ++keepers[size_t(offset) * 8 + size_t(bit)];
                }
            });
        });
    }
    for (size_t i = 0; i < keepers.size(); ++i) {
        if (keepers[i] != 1)
            QFAIL(qPrintable(QStringLiteral("byte 0x%1 bit %2 is kept by %3 fields")
                                 .arg(i / 8, 4, 16, QLatin1Char('0'))
                                 .arg(i % 8)
                                 .arg(keepers[i])));
    }
}

void tst_ConfigFields::onePlace_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("index");
    const std::span<const Field> all = fields();
    for (size_t f = 0; f < all.size(); ++f) {
        if (!all[f].place)
            continue; // read off other fields
        // The first and the last place of each field.
        QList<Instance> places;
        forEachInstance(all[f].shape, [&](Instance at) { places << at; });
        for (const Instance at : {places.first(), places.last()}) {
            QTest::newRow(qPrintable(jsonPath(all[f], at))) << int(f) << at.page << at.index;
            if (places.size() == 1)
                break;
        }
    }
}

// Changing one field at one place changes the JSON document at its path only, comes back
// through JSON whole, and the diff names that place and nothing else.
void tst_ConfigFields::onePlace()
{
    QFETCH(int, field);
    QFETCH(int, page);
    QFETCH(int, index);
    const Field &f = fields()[size_t(field)];
    const Instance at {page, index};

    for (const QByteArray &base : {defaultImage(), randomBytes(7, ImageSize)}) {
        QByteArray changed = base;
        forEachBits(f, at, [&](int offset, u8 mask) { data(changed)[offset] ^= mask; });
        QVERIFY(changed != base);

        const QJsonObject before = ConfigJson::toJson(reinterpret_cast<const u8 *>(base.data()));
        const QJsonObject after = ConfigJson::toJson(data(changed));
        QStringList paths;
        differingPaths(before, after, QStringLiteral("$"), paths);
        QVERIFY(!paths.isEmpty());
        const QString own = jsonPath(f, at);
        // A program's length and mode follow from its fall times.
        const QString program = QStringLiteral("$.programs[%1]").arg(page - 1);
        for (const QString &path : paths) {
            QVERIFY2(under(path, own)
                         || (f.shape == Shape::ProgramStep
                             && (path == program + QStringLiteral(".stepCount")
                                 || path == program + QStringLiteral(".runMode"))),
                     qPrintable(path));
        }

        QByteArray back = randomBytes(99, ImageSize);
        QString error;
        QVERIFY2(ConfigJson::parse(QJsonDocument(after).toJson(), data(back), &error),
                 qPrintable(error));
        QCOMPARE(back, changed);

        const QList<ConfigDiff::Difference> differences
            = ConfigDiff::compare(reinterpret_cast<const u8 *>(base.data()), data(changed));
        QVERIFY(!differences.isEmpty());
        const QString place = placeName(f.shape, at);
        // Only reserved bytes are left to the diff's byte lines.
        QCOMPARE(!f.diff, f.kind == Kind::Hex);
        for (const ConfigDiff::Difference &d : differences) {
            if (!f.diff) {
                QVERIFY2(d.where.startsWith(QStringLiteral("byte 0x")), qPrintable(d.line()));
                continue;
            }
            QVERIFY2(!d.where.startsWith(QStringLiteral("byte ")), qPrintable(d.line()));
            const QString words = place.isEmpty()
                ? QLatin1String(f.diff)
                : place + QLatin1Char(' ') + QLatin1String(f.diff);
            QVERIFY2(d.where == words.trimmed() || d.where.startsWith(words.trimmed() + ' ')
                         || (f.shape == Shape::ProgramStep
                             && (d.where == QStringLiteral("program %1 steps").arg(page)
                                 || d.where == QStringLiteral("program %1 run mode").arg(page))),
                     qPrintable(d.line()));
        }
    }
}

QTEST_GUILESS_MAIN(tst_ConfigFields)
#include "tst_configfields.moc"
