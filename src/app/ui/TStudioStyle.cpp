#include "TStudioStyle.h"

#include "paint/StudioIcons.h"

#include <QApplication>

TStudioStyle::TStudioStyle() = default; // QProxyStyle: the desktop's default style underneath

QIcon TStudioStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    switch (icon) {
    case SP_ToolBarHorizontalExtensionButton:
        if (m_chevronH.isNull())
            m_chevronH = StudioIcons::Icon(QStringLiteral("extensionH"));
        return m_chevronH;
    case SP_ToolBarVerticalExtensionButton:
        if (m_chevronV.isNull())
            m_chevronV = StudioIcons::Icon(QStringLiteral("extensionV"));
        return m_chevronV;
    default:
        return QProxyStyle::standardIcon(icon, option, widget);
    }
}

void TStudioStyle::install()
{
    QApplication::setStyle(new TStudioStyle);
}
