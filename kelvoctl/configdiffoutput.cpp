#include "configdiffoutput.h"

#include "model/configdiff.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace Kelvoctl {

int printDifferences(const Invocation &call, const QString &nameA, const QString &nameB,
                     const u8 *a, const u8 *b)
{
    const QList<ConfigDiff::Difference> differences = ConfigDiff::compare(a, b);
    const int status = differences.isEmpty() ? Console::Ok : Console::Failed;
    QByteArray text;
    if (call.options.json) {
        const QJsonObject object {{QStringLiteral("a"), nameA},
                                  {QStringLiteral("b"), nameB},
                                  {QStringLiteral("same"), differences.isEmpty()},
                                  {QStringLiteral("differences"), ConfigDiff::toJson(differences)}};
        text = QJsonDocument(object).toJson(QJsonDocument::Indented);
    } else if (!call.options.quiet) {
        for (const ConfigDiff::Difference &d : differences)
            text += d.line().toUtf8() + '\n';
    }
    if (!text.isEmpty() && !call.console.out(text))
        return Console::Usage;
    return status;
}

} // namespace Kelvoctl
