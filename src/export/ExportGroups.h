#pragma once

#include "TColor.h"

#include <QList>
#include <QString>

// One favourite as the export sees it.
struct ExportFavorite {
    TColor color{};
    QString name;
};

// The four colour groups an export can take, filled by the main window:
// the favourites (colours and names, in list order), the colour wheel's
// twelve colours in wheel order, the mixer's colours in mixer order, and the
// base-colour history in list order (true colours, no vision simulation).
struct ExportGroups {
    QList<ExportFavorite> favorites;
    QList<TColor> wheel;
    QList<TColor> mixer;
    QList<TColor> history;
};

// Which groups are ticked.
struct ExportSelection {
    bool favorites = true;
    bool wheel = false;
    bool mixer = false;
    bool history = false;
};
