// kelvoctl info's summary of an image: every field it names shows a change at any of its places.

#include "kelvoctl/configsummary.h"
#include "model/configclear.h"
#include "model/configfields.h"
#include "model/configlayout.h"

#include <QTest>

using namespace ConfigFields;

class tst_ConfigSummary : public QObject
{
    Q_OBJECT

private slots:
    void showsEveryChange_data();
    void showsEveryChange();
};

void tst_ConfigSummary::showsEveryChange_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("index");
    const std::span<const Field> all = fields();
    for (size_t f = 0; f < all.size(); ++f) {
        if (!all[f].info || !all[f].place)
            continue;
        QList<Instance> places;
        forEachInstance(all[f].shape, [&](Instance at) { places << at; });
        for (const Instance at : {places.first(), places.last()}) {
            QStringList name {placeName(all[f].shape, at)};
            if (all[f].group)
                name << QLatin1String(all[f].group);
            if (all[f].key)
                name << QLatin1String(all[f].key);
            name.removeAll(QString());
            QTest::newRow(qPrintable(name.join(QLatin1Char(' ')))) << int(f) << at.page << at.index;
            if (places.size() == 1)
                break;
        }
    }
}

void tst_ConfigSummary::showsEveryChange()
{
    QFETCH(int, field);
    QFETCH(int, page);
    QFETCH(int, index);
    std::vector<u8> image(ConfigLayout::ImageSize, 0);
    clearImage(image.data(), ClearFlags::All);
    const QString before = Kelvoctl::configSummary(image.data());
    forEachBits(fields()[size_t(field)], {page, index},
                [&](int offset, u8 mask) { image[size_t(offset)] ^= mask; });
    const QString after = Kelvoctl::configSummary(image.data());
    QVERIFY2(after != before, qPrintable(after));
    // Only the lines of the summary change, never its outline.
    for (const char *heading :
         {"Programs:\n", "Inputs:\n", "Power on: ", "Remote keys:", "Special scene: ", "Preview: ",
          "Scene mixing mode: ", "System address: "})
        QCOMPARE(after.count(QLatin1String(heading)), 1);
}

QTEST_GUILESS_MAIN(tst_ConfigSummary)
#include "tst_configsummary.moc"
