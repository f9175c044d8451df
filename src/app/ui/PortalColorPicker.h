#pragma once

#include "TColor.h"

#include <QObject>

// Picking a colour through the desktop portal (org.freedesktop.portal.
// Screenshot.PickColor over D-Bus), for sessions where a program may not
// read the screen (Wayland). The portal shows its own picker; the answer
// comes back as a signal on a request object.
class PortalColorPicker : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Whether the session's windows cannot read the screen (Wayland).
    static bool Needed();
    // Asks the portal; picked or cancelled follows (cancelled at once when
    // the portal cannot be reached).
    void pick();

signals:
    void picked(TColor color);
    void cancelled();

private slots:
    void response(uint code, const QVariantMap& results);
};
