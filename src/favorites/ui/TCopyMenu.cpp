#include "TCopyMenu.h"

#include "ColorText.h"

#include <QClipboard>
#include <QGuiApplication>

void CopyTextToClipboard(const QString& text) { QGuiApplication::clipboard()->setText(text); }

TCopyMenu::TCopyMenu(const QString& title, const QString& objectName, const std::array<QString, 3>& entryNames, QWidget* parent)
    : QMenu(title, parent)
{
    setObjectName(objectName);
    setToolTipsVisible(true);
    const std::array<QString, 3> placeholders = {QStringLiteral("RRGGBB"), QStringLiteral("#RRGGBB"), QStringLiteral("RRR,GGG,BBB")};
    for (size_t i = 0; i < 3; ++i) {
        QAction* a = addAction(placeholders[i]);
        a->setObjectName(entryNames[i]);
        a->setToolTip(placeholders[i]);
        connect(a, &QAction::triggered, this, [a] { CopyTextToClipboard(a->toolTip()); });
        m_entries[i] = a;
    }
    connect(this, &QMenu::aboutToShow, this, [this] {
        if (!m_source)
            return;
        if (const auto c = m_source())
            load(*c);
    });
}

void TCopyMenu::setEntryText(int entry, const QString& text)
{
    QAction* a = m_entries.at(size_t(entry));
    a->setText(text);
    a->setToolTip(text);
    a->setStatusTip(text);
}

void TCopyMenu::load(TColor color)
{
    setEntryText(0, ColorText::HexText(color));
    setEntryText(1, ColorText::HashHexText(color));
    setEntryText(2, ColorText::RgbText(color));
}

void TCopyMenu::loadTexts(const QString& hex, const QString& red, const QString& green, const QString& blue)
{
    setEntryText(0, hex);
    setEntryText(1, QLatin1Char('#') + hex);
    setEntryText(2, red + QLatin1Char(',') + green + QLatin1Char(',') + blue);
}
