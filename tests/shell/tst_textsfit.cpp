// Every text of the window fits its widget in every language: labels, buttons, check boxes,
// radio buttons, group titles, tab titles and table headers, on every page.

#include "shell/appstate.h"
#include "simulator/sampleshow.h"
#include "support/windowrig.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTranslator>
#include <QtMath>

#include <memory>

class tst_TextsFit : public QObject
{
    Q_OBJECT

private slots:
    void everyTextFits_data();
    void everyTextFits();
    void iconsHaveImagesForTheScale();
};

namespace {

// The room a text needs: the pixels its widest line covers at the widget's font.
int textWidth(const QWidget *w, const QString &text)
{
    QString plain = text;
    plain.remove(QLatin1Char('&'));
    int widest = 0;
    for (const QString &line : plain.split(QLatin1Char('\n')))
        widest = qMax(widest, w->fontMetrics().boundingRect(line).width());
    return widest;
}

// What does not fit on the pages shown now.
QStringList cutTexts(QWidget *window)
{
    QStringList cut;
    const auto report = [&](const QWidget *w, const QString &text, int need, int room) {
        if (need > room)
            cut << QStringLiteral("%1 \"%2\": needs %3, has %4")
                       .arg(w->objectName().isEmpty()
                                ? QString::fromLatin1(w->metaObject()->className())
                                : w->objectName(),
                            text)
                       .arg(need)
                       .arg(room);
    };
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisible() || label->wordWrap() || label->text().isEmpty()
            || label->textFormat() == Qt::RichText || label->text().startsWith(QLatin1Char('<')))
            continue;
        const QRect room = label->contentsRect();
        report(label, label->text(), textWidth(label, label->text()), room.width());
    }
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (!button->isVisible() || button->text().isEmpty())
            continue;
        // What the style adds around the text: the frame and margins of a push button, the box
        // or circle and the gap of a check box or radio button.
        int chrome = 0;
        int room = button->width();
        if (auto *push = qobject_cast<QPushButton *>(button)) {
            // The style draws the text inside the button's contents rectangle.
            QStyleOptionButton option;
            option.initFrom(push);
            option.text = push->text();
            room = push->style()
                       ->subElementRect(QStyle::SE_PushButtonContents, &option, push)
                       .width();
            if (!button->icon().isNull())
                chrome += button->iconSize().width() + 4;
        } else if (qobject_cast<QCheckBox *>(button)) {
            chrome = button->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button)
                + button->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
        } else if (qobject_cast<QRadioButton *>(button)) {
            chrome
                = button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button)
                + button->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
        } else {
            continue;
        }
        report(button, button->text(), textWidth(button, button->text()) + chrome, room);
    }
    for (QGroupBox *group : window->findChildren<QGroupBox *>()) {
        if (group->isVisible() && !group->title().isEmpty())
            report(group, group->title(), textWidth(group, group->title()), group->width());
    }
    for (QTableView *table : window->findChildren<QTableView *>()) {
        if (!table->isVisible() || table->horizontalHeader()->isHidden())
            continue;
        QHeaderView *header = table->horizontalHeader();
        for (int column = 0; column < header->count(); ++column) {
            if (header->isSectionHidden(column))
                continue;
            const QString text
                = table->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
            // A header's own margins, on each side.
            const int margin
                = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            report(header, text, textWidth(header, text) + 2 * margin, header->sectionSize(column));
        }
    }
    return cut;
}

} // namespace

void tst_TextsFit::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"en", "pl", "de", "fr", "it", "es", "ru"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void tst_TextsFit::everyTextFits()
{
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(KELVO_BIN_DIR "/KelvoDesk_%1.qm").arg(language)));
    QCoreApplication::installTranslator(&translator);
    auto rig = std::make_unique<WindowRig>();
    rig->window->show();

    QStringList cut;
    // With KELVO_SHOTS set, every page is also saved there as a picture to look at.
    const QString shots = qEnvironmentVariable("KELVO_SHOTS");
    const auto visit = [&](int main, int settings) {
        rig->showPage(main, settings);
        if (!shots.isEmpty())
            rig->window->grab().save(QStringLiteral("%1/%2-%3-%4.png")
                                         .arg(shots, language)
                                         .arg(main)
                                         .arg(settings < 0 ? 9 : settings));
        for (const QString &line : cutTexts(rig->window.get())) {
            if (!cut.contains(line))
                cut << line;
        }
    };
    for (int settings = 0; settings < 3; ++settings)
        visit(0, settings);
    for (int main = 1; main < 4; ++main)
        visit(main, -1);
    // The scenes page of a program shows more (the last-step box).
    rig->showPage(1);
    rig->child<QSpinBox>("sbProgram")->setValue(1);
    visit(1, -1);

    // The preview, playing a program of the sample show: its timeline and length shown.
    rig->setImage(sampleShowImage());
    rig->showPage(2);
    rig->window->findChild<QAction *>(QStringLiteral("actPreviewProgram"))->trigger();
    QWidget *preview = rig->window->findChild<QWidget *>(QStringLiteral("showPreview"));
    rig->clock.elapsed += 1500;
    preview->findChild<QPushButton *>(QStringLiteral("pbPreviewPause"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (!shots.isEmpty())
        preview->grab().save(QStringLiteral("%1/%2-preview.png").arg(shots, language));
    for (const QString &line : cutTexts(preview)) {
        if (!cut.contains(line))
            cut << line;
    }
    rig.reset();
    QCoreApplication::removeTranslator(&translator);
    QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("\n") + cut.join(QLatin1Char('\n'))));
}

void tst_TextsFit::iconsHaveImagesForTheScale()
{
    // The window's icons, at the size they are shown, have an image of as many pixels as the
    // screen gives them: sharp at 1.5 and 2 too, not scaled up.
    WindowRig rig;
    // The Language menu with its flags, as the program builds it from the translations found.
    for (const char *code : {"en", "pl", "de", "fr", "it", "es", "ru"}) {
        LanguageEntry entry;
        entry.code = QString::fromLatin1(code);
        entry.name = entry.code;
        languageTable.push_back(std::move(entry));
    }
    rig.rebuild();
    rig.window->show();
    const qreal ratio = rig.window->devicePixelRatioF();
    QVERIFY(ratio == qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
    QStringList blurred;
    const auto check = [&](const QString &name, const QIcon &icon, int shown) {
        if (icon.isNull())
            return;
        int widest = 0;
        for (const QSize &size : icon.availableSizes())
            widest = qMax(widest, size.width());
        // Icons from the desktop theme or the style have a source of their own.
        if (widest == 0)
            return;
        if (widest < qCeil(shown * ratio))
            blurred << QStringLiteral("%1: %2 px for %3").arg(name).arg(widest).arg(shown * ratio);
    };
    const int small = rig.window->style()->pixelMetric(QStyle::PM_SmallIconSize);
    for (QAction *action : rig.window->findChildren<QAction *>())
        check(action->text(), action->icon(), small);
    for (QAbstractButton *button : rig.window->findChildren<QAbstractButton *>())
        check(button->objectName(), button->icon(), button->iconSize().width());
    rig.window.reset();
    languageTable.clear();
    QVERIFY2(blurred.isEmpty(), qPrintable(blurred.join(QLatin1String("; "))));
}

QTEST_MAIN(tst_TextsFit)
#include "tst_textsfit.moc"
