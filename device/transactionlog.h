#pragma once

#include "common/types.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

// One thing the program did on a USB bus, with its arguments and result.
struct Transaction
{
    enum class Kind {
        Init,
        Enumerate,
        Open,
        SetConfiguration,
        ClaimInterface,
        ReleaseInterface,
        Close,
        GetDescriptor, // a standard control transfer (IN)
        Control, // a vendor control transfer
        Bulk,
    };

    Kind kind = Kind::Control;
    // The device addressed, as its backend names it (the simulated bus: its serial number); empty
    // for bus-wide operations and unknown handles.
    QString device;
    quint64 handle = 0;
    u8 requestType = 0;
    u8 request = 0;
    u16 value = 0;
    u16 index = 0;
    u8 endpoint = 0;
    int length = 0; // bytes asked for or offered
    unsigned timeoutMs = 0;
    QByteArray data; // bytes sent (OUT) or received (IN)
    int result = 0;
    qint64 time = 0; // Clock::current().now() when it was issued

    // Control, GetDescriptor and Bulk: what crosses the wire.
    bool isTransfer() const
    {
        return kind == Kind::Control || kind == Kind::GetDescriptor || kind == Kind::Bulk;
    }
    bool isIn() const;
    QString toString() const;
};

// Everything the program did on one bus, in order.
class TransactionLog
{
public:
    void append(const Transaction &transaction)
    {
        if (capacity > 0 && list.size() >= capacity)
            list.remove(0, list.size() - capacity + 1);
        list.append(transaction);
    }
    void clear() { list.clear(); }

    // Keeps only the newest entries once set (0: all), so a long-running program does not grow
    // without end.
    qsizetype capacity = 0;

    const QList<Transaction> &entries() const { return list; }
    QList<Transaction> transfers() const;
    QList<Transaction> filtered(const std::function<bool(const Transaction &)> &keep) const;

    int count(Transaction::Kind kind) const;
    // Vendor control transfers with this bRequest.
    int countRequest(u8 request) const;
    int countTransfers() const;
    // Vendor control transfers with this bRequest, in order.
    QList<Transaction> requests(u8 request) const;

    // One line per entry, for a failing test's message.
    QString dump() const;

private:
    QList<Transaction> list;
};
