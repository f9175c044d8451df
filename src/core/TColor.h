#pragma once

#include <cstdint>

// A colour packed 0x00BBGGRR: red in bits 0-7, green in 8-15, blue in 16-23.
// Readers mask each channel to 8 bits, so the top byte of an input is ignored;
// every colour built here has a top byte of 0.
enum class TColor : std::uint32_t {};

constexpr TColor MakeColor(int red, int green, int blue)
{
    return TColor(std::uint32_t(red & 0xFF) | (std::uint32_t(green & 0xFF) << 8)
                  | (std::uint32_t(blue & 0xFF) << 16));
}

constexpr int RedOf(TColor c) { return int(std::uint32_t(c) & 0xFF); }
constexpr int GreenOf(TColor c) { return int((std::uint32_t(c) >> 8) & 0xFF); }
constexpr int BlueOf(TColor c) { return int((std::uint32_t(c) >> 16) & 0xFF); }

// The raw 32-bit value, as stored in settings and scheme files.
constexpr std::uint32_t ColorValue(TColor c) { return std::uint32_t(c); }
constexpr TColor ColorFromValue(std::uint32_t v) { return TColor(v); }

// The 24-bit colour with channels in the usual 0xRRGGBB order (for hex text and Qt).
constexpr std::uint32_t ToRgb24(TColor c)
{
    return (std::uint32_t(RedOf(c)) << 16) | (std::uint32_t(GreenOf(c)) << 8) | std::uint32_t(BlueOf(c));
}
constexpr TColor FromRgb24(std::uint32_t rgb)
{
    return MakeColor(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
}

inline constexpr TColor clBlack = MakeColor(0, 0, 0);
inline constexpr TColor clWhite = MakeColor(255, 255, 255);
