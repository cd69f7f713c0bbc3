#include "analysis/MonthlySummary.h"

#include "analysis/FatalError.h"
#include "analysis/RunState.h"
#include "text/Text.h"
#include "text/Messages.h"

#include <stdlib.h>
#include <string.h>

enum { MONTH_GROWTH = 64 };

void clearMonthlySummary(void)
{
    run.monthlySummary.count = 0;
    run.monthlySummary.latest = 0;
}

void cutMonthKey(char key[MONTH_KEY_SIZE], const char* date)
{
    copyText(key, MONTH_KEY_SIZE, date);   // whole characters only
}

// The index of the row of month, or where it belongs when there is none (*found tells which).
static int findMonth(const char* month, int* found)
{
    int low = 0;
    int high = run.monthlySummary.count;
    while (low < high) {
        int middle = low + (high - low) / 2;
        int order = strcmp(run.monthlySummary.rows[middle].month, month);
        if (order == 0) {
            *found = 1;
            return middle;
        }
        if (order < 0) low = middle + 1;
        else high = middle;
    }
    *found = 0;
    return low;
}

// Inserts an empty row for month at index, moving the later rows up.
static void insertMonth(int index, const char* month)
{
    if (run.monthlySummary.count == run.monthlySummary.capacity) {
        int capacity = run.monthlySummary.capacity + MONTH_GROWTH;
        MonthRow* rows = (MonthRow*)realloc(run.monthlySummary.rows, sizeof(MonthRow) * (size_t)capacity);
        if (!rows) fatalError("%s", MESSAGE_OUT_OF_MEMORY);
        run.monthlySummary.rows = rows;
        run.monthlySummary.capacity = capacity;
    }
    MonthRow* row = &run.monthlySummary.rows[index];
    memmove(row + 1, row, sizeof(MonthRow) * (size_t)(run.monthlySummary.count - index));
    memset(row, 0, sizeof *row);
    copyText(row->month, sizeof row->month, month);
    run.monthlySummary.count++;
}

// The row of month, added when missing. The log is in time order, so the previous game's row is
// tried first.
static MonthRow* monthRow(const char* month)
{
    int latest = run.monthlySummary.latest;
    if (latest < run.monthlySummary.count && strcmp(run.monthlySummary.rows[latest].month, month) == 0)
        return &run.monthlySummary.rows[latest];
    int found;
    int index = findMonth(month, &found);
    if (!found) insertMonth(index, month);
    run.monthlySummary.latest = index;
    return &run.monthlySummary.rows[index];
}

void addGameToMonth(const char* date, int rank, int score, double money)
{
    char month[MONTH_KEY_SIZE];
    cutMonthKey(month, date);
    MonthRow* row = monthRow(month);
    row->games++;
    if (score > 0) row->wins++;
    else if (score < 0) row->losses++;
    else row->draws++;
    row->rankSum += rank;
    if (rank >= 1 && rank <= 4) row->rankCounts[rank - 1]++;
    row->scoreSum += score;
    row->money += money;
}
