#pragma once
// Window layouts, list column widths and the stored window placement are measured in
// twips, 15 to a pixel.
#include <cmath>

constexpr int PikselBaşınaTwip = 15;

// A length in twips as whole pixels, to the nearest.
inline int TwiptenPiksel(double twip) { return static_cast<int>(std::lround(twip / PikselBaşınaTwip)); }

// A length in pixels as twips.
constexpr int PikseldenTwip(int piksel) { return piksel * PikselBaşınaTwip; }
constexpr double PikseldenTwip(double piksel) { return piksel * PikselBaşınaTwip; }
