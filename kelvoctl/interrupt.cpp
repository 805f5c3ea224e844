#include "interrupt.h"

const std::string Interrupt::none;

int Interrupt::press() noexcept
{
    return presses.fetch_add(1) + 1;
}

void Interrupt::setNotices(const QString &firstNotice, const QString &secondNotice)
{
    const auto keep = [this](const QString &text) -> const std::string * {
        if (text.isEmpty())
            return &none;
        kept.push_back(text.toStdString());
        return &kept.back();
    };
    first.store(keep(firstNotice));
    second.store(keep(secondNotice));
}

const std::string &Interrupt::notice(int press) const noexcept
{
    return press <= 1 ? *first.load() : *second.load();
}
