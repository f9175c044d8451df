#pragma once

#include "TColor.h"

#include <QMenu>

#include <array>
#include <functional>
#include <optional>

// A "Copy..." menu with three entries: Hex (FF6600), Hash hex (#FF6600) and
// RGB (255,102,0). The captions and hints are filled with the texts of one
// colour just before the menu opens (from the colour source, when one is
// set) and kept until the next filling; choosing an entry puts its hint text
// on the clipboard.
//
// The three copy menus of the studio:
//   mnuEditCopy  "&Copy Base Color": mnuEditCopyHex1, mnuEditCopyHex2, mnuEditCopyRGB
//   mnuFavPopCopy "Copy...": mnuFavPopCopyHex1, mnuFavPopCopyHEX2, mnuFavPopCopyRGB
//   mnuPopCopy   "Copy...": mnuPopCopyHex1, mnuPopCopyHex2, mnuPopCopyRgb
class TCopyMenu : public QMenu {
    Q_OBJECT
public:
    TCopyMenu(const QString& title, const QString& objectName, const std::array<QString, 3>& entryNames,
              QWidget* parent = nullptr);

    // Called when the menu is about to open; nothing returned keeps the old texts.
    void setColorSource(std::function<std::optional<TColor>()> source) { m_source = std::move(source); }

    void load(TColor color);
    // From the texts of the editors as they stand: hex digits and three decimals.
    void loadTexts(const QString& hex, const QString& red, const QString& green, const QString& blue);
    // Sets one entry's caption and hint.
    void setEntryText(int entry, const QString& text);
    QAction* entry(int i) const { return m_entries.at(size_t(i)); }

private:
    std::array<QAction*, 3> m_entries{};
    std::function<std::optional<TColor>()> m_source;
};

// Puts plain text on the system clipboard.
void CopyTextToClipboard(const QString& text);
