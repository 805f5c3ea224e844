#pragma once

#include <QIcon>
#include <QString>
#include <QStyle>

// Icons made when first drawn or measured, not when the window is made: the menus' icons are not
// on screen when the window first appears, and reading files, searching the icon theme or drawing
// the style's pixmaps then delays it.
QIcon lazyIcon(const QString &fileName);
// The theme's icon of that name, else the style's.
QIcon lazyThemeIcon(const QString &name, QStyle::StandardPixmap fallback);
