#include "printabletext.h"

namespace {

QString escaped(char32_t c)
{
    switch (c) {
    case '\n':
        return QStringLiteral("\\n");
    case '\r':
        return QStringLiteral("\\r");
    case '\t':
        return QStringLiteral("\\t");
    case '\\':
        return QStringLiteral("\\\\");
    default:
        break;
    }
    if (c < 0x100)
        return QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
    return QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
}

bool needsEscape(char32_t c)
{
    if (c == '\\')
        return true;
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

} // namespace

QString printableText(const QString &text, int maxLength)
{
    QString shown;
    int length = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (length == maxLength)
            return shown + QStringLiteral("...");
        char32_t c = text[i].unicode();
        // A surrogate pair is one character; a lone surrogate is escaped.
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i].unicode(), text[i + 1].unicode());
            ++i;
        }
        if (needsEscape(c))
            shown += escaped(c);
        else
            shown += QString::fromUcs4(&c, 1);
        ++length;
    }
    return shown;
}
