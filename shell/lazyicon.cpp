#include "lazyicon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>

#include <functional>

namespace {

class LazyIconEngine : public QIconEngine
{
public:
    explicit LazyIconEngine(std::function<QIcon()> make)
        : make(std::move(make))
    { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new LazyIconEngine(make); }
    QString key() const override { return QStringLiteral("LazyIconEngine"); }
    QString iconName() override { return icon().name(); }
    // Asked before anything is drawn (is there an icon to leave room for?): every icon made here
    // has one.
    bool isNull() override { return false; }

private:
    QIcon &icon()
    {
        if (!made) {
            loaded = make();
            made = true;
        }
        return loaded;
    }

    std::function<QIcon()> make;
    QIcon loaded;
    bool made = false;
};

} // namespace

QIcon lazyIcon(const QString &fileName)
{
    return QIcon(new LazyIconEngine([fileName] { return QIcon(fileName); }));
}

QIcon lazyThemeIcon(const QString &name, QStyle::StandardPixmap fallback)
{
    return QIcon(new LazyIconEngine([name, fallback] {
        return QIcon::fromTheme(name, QApplication::style()->standardIcon(fallback));
    }));
}
