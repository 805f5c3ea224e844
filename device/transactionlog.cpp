#include "transactionlog.h"

bool Transaction::isIn() const
{
    switch (kind) {
    case Kind::GetDescriptor:
        return true;
    case Kind::Control:
        return requestType & 0x80;
    case Kind::Bulk:
        return endpoint & 0x80;
    default:
        return false;
    }
}

QString Transaction::toString() const
{
    static const char *const names[]
        = {"init",    "enumerate", "open",           "set-config", "claim",
           "release", "close",     "get-descriptor", "control",    "bulk"};
    QString text = QStringLiteral("%1 %2 %3").arg(time, 6).arg(names[int(kind)], device);
    switch (kind) {
    case Kind::Control:
        text += QStringLiteral(" type=0x%1 req=0x%2 value=%3 index=0x%4 len=%5")
                    .arg(requestType, 2, 16, QLatin1Char('0'))
                    .arg(request, 2, 16, QLatin1Char('0'))
                    .arg(value)
                    .arg(index, 0, 16)
                    .arg(length);
        break;
    case Kind::GetDescriptor:
        text += QStringLiteral(" index=%1 lang=%2 len=%3").arg(value & 0xFF).arg(index).arg(length);
        break;
    case Kind::Bulk:
        text
            += QStringLiteral(" ep=0x%1 len=%2").arg(endpoint, 2, 16, QLatin1Char('0')).arg(length);
        break;
    default:
        break;
    }
    text += QStringLiteral(" -> %1").arg(result);
    if (!data.isEmpty())
        text += QLatin1Char(' ') + QString::fromLatin1(data.left(16).toHex(' '));
    return text;
}

QList<Transaction> TransactionLog::transfers() const
{
    return filtered([](const Transaction &t) { return t.isTransfer(); });
}

QList<Transaction>
TransactionLog::filtered(const std::function<bool(const Transaction &)> &keep) const
{
    QList<Transaction> result;
    for (const Transaction &t : list)
        if (keep(t))
            result.append(t);
    return result;
}

int TransactionLog::count(Transaction::Kind kind) const
{
    return int(filtered([kind](const Transaction &t) { return t.kind == kind; }).size());
}

int TransactionLog::countRequest(u8 request) const
{
    return int(requests(request).size());
}

int TransactionLog::countTransfers() const
{
    return int(transfers().size());
}

QList<Transaction> TransactionLog::requests(u8 request) const
{
    return filtered([request](const Transaction &t) {
        return t.kind == Transaction::Kind::Control && t.request == request;
    });
}

QString TransactionLog::dump() const
{
    QString text;
    for (const Transaction &t : list)
        text += t.toString() + QLatin1Char('\n');
    return text;
}
