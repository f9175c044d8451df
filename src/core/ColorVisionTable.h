#pragma once

#include "TColor.h"

#include <QString>

#include <array>
#include <optional>

class QIODevice;

enum class ColorVisionError {
    None,
    Unreadable,     // the device could not be read (or the built-in table is missing)
    MalformedRow,   // a line is not RRGGBB=c1|c2|c3|c4|c5|c6|c7|c8
    NotWebsafe,     // a key is a colour off the websafe grid
    DuplicateRow,   // a key appears twice
    MissingRows,    // fewer than the 216 websafe colours
};

QString ColorVisionErrorText(ColorVisionError error);

// How the 216 websafe colours appear under simulation modes 1..8: one row
// per websafe colour, one column per mode. Rows are numbered in the order of
// the table file: descending red, then green, then blue, so FFFFFF is row 0
// and 000000 row 215. A row is addressed by the grid steps of its channels
// (channel / 51, 0..5), never by its text.
class ColorVisionTable {
public:
    static constexpr int kRows = 216;
    static constexpr int kColumns = 8;

    static constexpr int rowOfSteps(int redStep, int greenStep, int blueStep)
    {
        return (5 - redStep) * 36 + (5 - greenStep) * 6 + (5 - blueStep);
    }
    // The row of a websafe colour (every channel a multiple of 51).
    static constexpr int rowOf(TColor websafe)
    {
        return rowOfSteps(RedOf(websafe) / 51, GreenOf(websafe) / 51, BlueOf(websafe) / 51);
    }
    static constexpr TColor keyOf(int row)
    {
        return MakeColor((5 - row / 36) * 51, (5 - row / 6 % 6) * 51, (5 - row % 6) * 51);
    }

    // Reads lines "RRGGBB=c1|c2|c3|c4|c5|c6|c7|c8" (hexadecimal digits in
    // either case, LF or CR LF line ends), one for every websafe colour in any
    // order; each ci is six digits. On failure, error says why and line gives
    // the 1-based line at fault (0 when no single line is).
    static std::optional<ColorVisionTable> read(QIODevice& device, ColorVisionError& error, int& line);

    // The table shipped inside the program (resource ":/tintvale/colorvision.txt"),
    // parsed on first use and kept for the run; null if it failed to parse,
    // with the reason in error when given.
    static const ColorVisionTable* builtIn(ColorVisionError* error = nullptr);

    // The colour of a row under a mode 1..8.
    TColor color(int row, int mode) const { return m_colors[std::size_t(mode - 1)][std::size_t(row)]; }
    // All 216 colours of a mode 1..8, indexed by row.
    const TColor* column(int mode) const { return m_colors[std::size_t(mode - 1)].data(); }

private:
    std::array<std::array<TColor, kRows>, kColumns> m_colors{};
};
