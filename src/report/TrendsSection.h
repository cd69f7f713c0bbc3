#ifndef VORNIX_TRENDSSECTION_H
#define VORNIX_TRENDSSECTION_H
// The report's section on the player's progress over time, written after the recent results when the
// progress option is on: a chart of the running money balance, a chart of the moving averages of the
// rank, and the monthly summary as a table. The charts are inline SVG drawn in the colours of the
// chosen scheme: no script and nothing outside the page.

// Writes the section from run.player, settings.colorScheme, run.trendSeries and
// run.monthlySummary. Reads only; run.trendSeries holds at least one game whenever a report is
// written with the option.
void writeTrendsSection(void);

#endif
