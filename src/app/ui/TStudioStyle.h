#pragma once

#include <QProxyStyle>

// The desktop's widget style with the few standard icons the main window
// shows at start-up (the menu bar's overflow chevron) drawn in code: the
// stock ones come from the icon theme and image plugins, which cost more
// than the rest of the window's construction.
class TStudioStyle : public QProxyStyle {
    Q_OBJECT
public:
    TStudioStyle();
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

    // Makes a TStudioStyle the application's style; call before the first widget.
    static void install();

private:
    mutable QIcon m_chevronH; // drawn when first asked for
    mutable QIcon m_chevronV;
};
