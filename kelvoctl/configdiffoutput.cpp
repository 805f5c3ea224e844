#include "configdiffoutput.h"

#include "model/configdiff.h"

namespace Kelvoctl {

void compareInto(JobReport &report, const QString &nameA, const QString &nameB, const u8 *a,
                 const u8 *b)
{
    const QList<ConfigDiff::Difference> differences = ConfigDiff::compare(a, b);
    report.fields.insert(QStringLiteral("a"), nameA);
    report.fields.insert(QStringLiteral("b"), nameB);
    report.fields.insert(QStringLiteral("same"), differences.isEmpty());
    report.fields.insert(QStringLiteral("differences"), ConfigDiff::toJson(differences));
    report.text.clear();
    for (const ConfigDiff::Difference &d : differences)
        report.text += d.line() + QLatin1Char('\n');
    report.end(differences.isEmpty() ? JobReport::Ending::Done : JobReport::Ending::Differs);
}

} // namespace Kelvoctl
