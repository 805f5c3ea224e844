// The parameters file: the reader on hand-written inputs, the writer's exact lines, and trees
// that survive a write and a read.

#include "params/paramelement.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTextStream>

namespace {

// A readable picture of a tree: name, attributes, comment, {items, children}.
QString describe(const ParamElement &e)
{
    QString s = e.name;
    for (const ParamAttribute &a : e.attributes)
        s += QStringLiteral(" %1=%2").arg(a.name, a.value);
    if (!e.comment.isEmpty())
        s += QStringLiteral(" <!%1>").arg(e.comment);
    s += QLatin1Char('{');
    for (const ParamItem &i : e.items) {
        s += QLatin1Char('[') + i.name;
        for (const ParamAttribute &a : i.attributes)
            s += QStringLiteral(" %1=%2").arg(a.name, a.value);
        s += QLatin1Char(':') + QString(i.text).replace(QLatin1String("\r\n"), QLatin1String("|"))
            + QLatin1Char(']');
    }
    for (const ParamElement &c : e.children)
        s += describe(c);
    return s + QLatin1Char('}');
}

struct Read
{
    ParamElement root;
    int elements = 0; // how often parseNext reported an element
};

Read read(const QByteArray &text)
{
    Read r;
    r.root.name = QStringLiteral("@root");
    QTextStream stream(text);
    stream.setEncoding(QStringConverter::Utf8);
    QString line;
    while (r.root.parseNext(stream, line))
        ++r.elements;
    return r;
}

QByteArray written(const ParamElement &element)
{
    QByteArray bytes;
    {
        QTextStream stream(&bytes, QIODevice::WriteOnly);
        stream.setEncoding(QStringConverter::Utf8);
        writeElement(stream, element);
    }
    return bytes;
}

// A tree of the shape the program writes, with random names, texts, attributes and comments.
void grow(ParamElement &element, QRandomGenerator &random, int depth)
{
    const auto word = [&random](const char *prefix) {
        return QLatin1String(prefix) + QString::number(random.bounded(1000));
    };
    if (random.bounded(3) == 0)
        element.comment = word("note ");
    for (int a = random.bounded(3); a > 0; --a)
        element.setAttribute(word("at"), word("value "));
    for (int i = random.bounded(1, 4); i > 0; --i) {
        element.setItem(word("item"), random.bounded(4) ? word("text ") : QString());
        if (random.bounded(3) == 0)
            element.items.last().setAttribute(word("x"), word("y"));
    }
    if (depth < 3) {
        for (int c = random.bounded(3); c > 0; --c)
            grow(element.addElement(word("element")), random, depth + 1);
    }
}

} // namespace

class tst_ParamFile : public QObject
{
    Q_OBJECT

private slots:
    void reader_data();
    void reader();
    void lookups();
    void writer_data();
    void writer();
    void parametersFileLines();
    void writeThenReadGivesTheTree();
    void deepNestingIsAnError();
};

void tst_ParamFile::reader_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("elements");
    QTest::addColumn<QString>("tree");
    QTest::addColumn<bool>("valid");

    QTest::newRow("empty input") << QByteArray() << 0 << "@root{}" << true;
    QTest::newRow("the parameters file")
        << QByteArray("<ini device=\"Kelvo\">\n <desc>Kelvo parameters file</desc>\n"
                      " <lang>pl</lang>\n <lang_name>Polski</lang_name>\n</ini>\n")
        << 1 << "@root{ini device=Kelvo{[desc:Kelvo parameters file][lang:pl][lang_name:Polski]}}"
        << true;
    QTest::newRow("CR LF line ends")
        << QByteArray("<ini>\r\n <a>1</a>\r\n</ini>\r\n") << 1 << "@root{ini{[a:1]}}" << true;
    QTest::newRow("self-closing item with an attribute")
        << QByteArray("<lang code=\"pl\"/>\n<x>1</x>\n") << 1 << "@root{[lang code=pl:]}" << true;
    // The value is whatever stands between the next two quotes.
    QTest::newRow("attribute without quotes takes the next quoted value")
        << QByteArray("<a one=\"1\" two=2 three=\"3\"/>\nz\n") << 1 << "@root{[a one=1 two=3:]}"
        << true;
    QTest::newRow("loose text in a container is the item value")
        << QByteArray("<ini>loose\n<ini>\n<b/>\n</ini>\n") << 1 << "@root{ini{[b:][value:loose|]}}"
        << true;
    QTest::newRow("whitespace-only text adds nothing")
        << QByteArray("<ini>   \n<ini>\n<b/>\n</ini>\n") << 1 << "@root{ini{[b:]}}" << true;
    QTest::newRow("text over several lines is joined with CR LF")
        << QByteArray("<a>\none\ntwo</a>\nz\n") << 1 << "@root{[a:one|two]}" << true;
    QTest::newRow("nested elements on one line")
        << QByteArray("<x><a>1</a><b>2</b></x>\nz\n") << 1 << "@root{x{[a:1][b:2]}}" << true;
    QTest::newRow("declarations and comments are passed over")
        << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE kvi>\n<ini>\n <!-- the choice -->\n"
                      " <a>1</a>\n</ini>\n")
        << 1 << "@root{ini <!the choice>{[a:1]}}" << true;
    QTest::newRow("closing tag of another element")
        << QByteArray("<a>1</b>\nz\n") << 1 << "@root{[a @error=unclosed:1]}" << false;
    QTest::newRow("plain words before a tag")
        << QByteArray("plain words\n<a>1</a>\nz\n") << 1
        << "@root{a{[@error:invalid line][value:1]}}" << false;
    QTest::newRow("text up to the end of the input")
        << QByteArray("<a>\ntext") << 1 << "@root{a{[@error:unexpected EOF !][value:text|]}}"
        << false;
    QTest::newRow("a tag on the last line is not taken")
        << QByteArray("<a>1</a>") << 0 << "@root{}" << true;
    // An element still open at the end is unclosed, whatever blank lines follow its content.
    QTest::newRow("unclosed element, content on the last line")
        << QByteArray("<ini device=\"Kelvo\">\n <lang>de</lang>\n") << 1
        << "@root{[ini device=Kelvo @error=unclosed: ]}" << false;
    QTest::newRow("unclosed element before a blank line")
        << QByteArray("<ini device=\"Kelvo\">\n <lang>de</lang>\n\n") << 1
        << "@root{ini device=Kelvo @error=unclosed{[lang:de]}}" << false;
    QTest::newRow("unclosed element before several blank lines")
        << QByteArray("<ini>\n <lang>de</lang>\n\n\r\n\n") << 1
        << "@root{ini @error=unclosed{[lang:de]}}" << false;
    QTest::newRow("two unclosed elements before a blank line")
        << QByteArray("<ini>\n <sub>\n  <a>1</a>\n\n") << 1
        << "@root{ini @error=unclosed{sub @error=unclosed{[a:1]}}}" << false;
    QTest::newRow("unclosed element, text and an opening tag on the last line")
        << QByteArray("<a>\ntext\n<b>") << 1 << "@root{[a @error=unclosed:text|]}" << false;
    QTest::newRow("a second top-level element")
        << QByteArray("<ini>\n <a>1</a>\n</ini>\n<other>\n <b>2</b>\n</other>\n") << 2
        << "@root{ini{[a:1]}other{[b:2]}}" << true;
}

void tst_ParamFile::reader()
{
    QFETCH(QByteArray, input);
    QFETCH(int, elements);
    QFETCH(QString, tree);
    QFETCH(bool, valid);

    const Read r = read(input);
    QCOMPARE(describe(r.root), tree);
    QCOMPARE(r.elements, elements);
    QCOMPARE(r.root.isValid(), valid);
}

void tst_ParamFile::lookups()
{
    Read r = read("<ini device=\"Kelvo\">\n <LANG>de</LANG>\n <lang>pl</lang>\n</ini>\n"
                  "<lang code=\"x\"/>\nz\n");
    ParamElement *ini = r.root.findElement(QStringLiteral("ini"), false);
    QVERIFY(ini);
    QCOMPARE(r.root.findElement(QStringLiteral("INI"), false), nullptr);
    QCOMPARE(r.root.findElement(QStringLiteral("INI"), true), ini);
    QCOMPARE(r.root.findElement(QStringLiteral("lang"), true), nullptr); // an item, no element
    QCOMPARE(ini->attribute(QStringLiteral("device")), std::optional<QString>(u"Kelvo"_qs));
    QCOMPARE(ini->attribute(QStringLiteral("Device")), std::nullopt);
    // The first match counts; case is ignored only when asked.
    QCOMPARE(ini->itemText(QStringLiteral("lang"), false), std::optional<QString>(u"de"_qs));
    QCOMPARE(ini->itemText(QStringLiteral("lang"), true), std::optional<QString>(u"pl"_qs));
    QCOMPARE(ini->itemText(QStringLiteral("lang_name"), false), std::nullopt);

    ini->setItem(QStringLiteral("lang"), QStringLiteral("fr"));
    ini->setItem(QStringLiteral("desc"), QStringLiteral("d"));
    QCOMPARE(describe(*ini), u"ini device=Kelvo{[LANG:de][lang:fr][desc:d]}"_qs);
    QCOMPARE(ini->items.last().level, 1);
}

void tst_ParamFile::writer_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QByteArray>("lines");
    QTest::newRow("empty element: one self-closing line")
        << 0 << QByteArray("  <e a=\"1\" b=\"\"/>\n");
    QTest::newRow("comment, items, children, indented by level")
        << 1
        << QByteArray(
               "<e>\n <!-- c -->\n <t>text</t>\n <u k=\"v\"/>\n <f>\n  <g>1</g>\n </f>\n</e>\n");
    QTest::newRow("the root has no lines of its own") << 2 << QByteArray("<t>text</t>\n");
}

void tst_ParamFile::writer()
{
    QFETCH(int, shape);
    QFETCH(QByteArray, lines);

    ParamElement e(shape == 0 ? 2 : shape == 1 ? 0 : -1);
    e.name = shape == 2 ? QStringLiteral("@root") : QStringLiteral(" e ");
    if (shape == 0) {
        e.setAttribute(QStringLiteral("a"), QStringLiteral("1"));
        e.setAttribute(QStringLiteral(" b"), QString());
    } else {
        if (shape == 1)
            e.comment = QStringLiteral("c");
        e.setItem(QStringLiteral("t"), QStringLiteral("text"));
        if (shape == 1) {
            e.setItem(QStringLiteral("u"), QString());
            e.items.last().setAttribute(QStringLiteral("k"), QStringLiteral("v"));
            e.addElement(QStringLiteral("f")).setItem(QStringLiteral("g"), QStringLiteral("1"));
        }
    }
    QCOMPARE(written(e), lines);
}

void tst_ParamFile::parametersFileLines()
{
    ParamElement root;
    ParamElement &ini = root.addElement(QStringLiteral("ini"));
    ini.setAttribute(QStringLiteral("device"), QStringLiteral("Kelvo"));
    ini.setItem(QStringLiteral("desc"), QStringLiteral("Kelvo parameters file"));
    ini.setItem(QStringLiteral("lang"), QStringLiteral("ru"));
    ini.setItem(QStringLiteral("lang_name"), QStringLiteral("Русский"));
    QCOMPARE(written(ini),
             QStringLiteral("<ini device=\"Kelvo\">\n"
                            " <desc>Kelvo parameters file</desc>\n"
                            " <lang>ru</lang>\n"
                            " <lang_name>Русский</lang_name>\n"
                            "</ini>\n")
                 .toUtf8());
}

void tst_ParamFile::writeThenReadGivesTheTree()
{
    for (quint32 seed = 1; seed <= 200; ++seed) {
        QRandomGenerator random(seed);
        ParamElement root;
        ParamElement &top = root.addElement(QStringLiteral("ini"));
        grow(top, random, 0);
        const QByteArray text = written(top);
        const Read r = read(text);
        QVERIFY2(r.root.isValid(), text.constData());
        QCOMPARE(r.root.children.size(), std::size_t(1));
        QCOMPARE(describe(r.root.children[0]), describe(top));
        QCOMPARE(written(r.root.children[0]), text);
    }
}

void tst_ParamFile::deepNestingIsAnError()
{
    // A hostile file must not take the reader's stack; within the limit all is read.
    const Read deep = read(QByteArray("<a>\n").repeated(100000));
    QVERIFY(!deep.root.isValid());
    QByteArray fine;
    for (int i = 0; i < ParamElement::MaxLevel; ++i)
        fine += "<e" + QByteArray::number(i) + ">\n";
    fine += "<x>1</x>\n";
    for (int i = ParamElement::MaxLevel - 1; i >= 0; --i)
        fine += "</e" + QByteArray::number(i) + ">\n";
    QVERIFY(read(fine).root.isValid());
}

QTEST_GUILESS_MAIN(tst_ParamFile)
#include "tst_paramfile.moc"
