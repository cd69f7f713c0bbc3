#ifndef VORNIX_RANKBARS_H
#define VORNIX_RANKBARS_H
// The picture of a rank distribution: one horizontal bar of the shares of 1位 to the last place of a
// kind of game, with the percentages beneath it, as inline SVG in the scheme's colours; a screen
// reader reads the same percentages from its label.

struct ColorScheme;
struct PlaceSums;

// Writes the bar of the games of kind (GameKind) counted in sums (at least one game).
void writeRankBars(const ColorScheme* scheme, const PlaceSums* sums, int kind);

#endif
