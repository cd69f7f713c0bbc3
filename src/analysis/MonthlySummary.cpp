#include "analysis/MonthlySummary.h"

#include "analysis/FatalError.h"
#include "analysis/RunState.h"
#include "text/Messages.h"
#include "text/Text.h"

#include <stdlib.h>
#include <string.h>

enum { MONTH_GROWTH = 64, FIRST_INDEX_SIZE = 256 };

void clearMonthlySummary(void)
{
    run.monthlySummary.count = 0;
    run.monthlySummary.latest = 0;
    run.monthlySummary.sorted = 1;
    if (run.monthlySummary.index)
        memset(run.monthlySummary.index, 0, sizeof(int) * (size_t)run.monthlySummary.indexSize);
}

void cutMonthKey(char key[MONTH_KEY_SIZE], const char* date)
{
    memset(key, 0, MONTH_KEY_SIZE);
    copyText(key, MONTH_KEY_SIZE, date);   // whole characters only
}

// Keys are compared as their whole 8 bytes, zero after the text (the rows and the keys looked up
// are zeroed first): one comparison of a word, in the byte order of strcmp.
static int isRow(const MonthRow* row, const char* month, int kind)
{
    return row->kind == kind && memcmp(row->month, month, MONTH_KEY_SIZE) == 0;
}

// The index slot of month and kind: the one holding its row, or the free one where it belongs.
static int* indexSlot(const char* month, int kind)
{
    unsigned mask = (unsigned)run.monthlySummary.indexSize - 1;
    for (unsigned slot = (textHash(month) + (unsigned)kind) & mask;; slot = (slot + 1) & mask) {
        int* entry = &run.monthlySummary.index[slot];
        if (*entry == 0 || isRow(&run.monthlySummary.rows[*entry - 1], month, kind)) return entry;
    }
}

// Month keys in byte order, the four-player row of a month before its three-player one.
static int compareMonths(const void* a, const void* b)
{
    const MonthRow* x = (const MonthRow*)a;
    const MonthRow* y = (const MonthRow*)b;
    int order = memcmp(x->month, y->month, MONTH_KEY_SIZE);
    return order ? order : x->kind - y->kind;
}

// Makes the index size slots (a power of two above twice the rows) and enters every row.
static void rebuildIndex(int size)
{
    if (size != run.monthlySummary.indexSize) {
        int* index = (int*)realloc(run.monthlySummary.index, sizeof(int) * (size_t)size);
        if (!index) fatalError("%s", MESSAGE_OUT_OF_MEMORY);
        run.monthlySummary.index = index;
        run.monthlySummary.indexSize = size;
    }
    memset(run.monthlySummary.index, 0, sizeof(int) * (size_t)size);
    for (int i = 0; i < run.monthlySummary.count; i++) {
        const MonthRow* row = &run.monthlySummary.rows[i];
        *indexSlot(row->month, row->kind) = i + 1;
    }
}

// Appends an empty row for month and kind, growing the rows and the index as needed. Returns its
// number.
static int appendMonth(const char* month, int kind)
{
    MonthlySummary* summary = &run.monthlySummary;
    if (summary->count == summary->capacity) {
        int capacity = summary->capacity + (summary->capacity / 2 > MONTH_GROWTH ? summary->capacity / 2 : MONTH_GROWTH);
        MonthRow* rows = (MonthRow*)realloc(summary->rows, sizeof(MonthRow) * (size_t)capacity);
        if (!rows) fatalError("%s", MESSAGE_OUT_OF_MEMORY);
        summary->rows = rows;
        summary->capacity = capacity;
    }
    MonthRow* row = &summary->rows[summary->count];
    memset(row, 0, sizeof *row);
    copyText(row->month, sizeof row->month, month);
    row->kind = kind;
    if (summary->count > 0 && compareMonths(&row[-1], row) > 0) summary->sorted = 0;
    summary->count++;
    if (summary->count * 2 >= summary->indexSize) {
        rebuildIndex(summary->indexSize ? summary->indexSize * 2 : FIRST_INDEX_SIZE);
        return summary->count - 1;
    }
    *indexSlot(row->month, kind) = summary->count;
    return summary->count - 1;
}

// The row of month and kind, added when missing. The log is in time order, so the previous game's
// row is tried first.
static MonthRow* monthRow(const char* month, int kind)
{
    MonthlySummary* summary = &run.monthlySummary;
    if (summary->latest < summary->count && isRow(&summary->rows[summary->latest], month, kind))
        return &summary->rows[summary->latest];
    int* slot = summary->indexSize ? indexSlot(month, kind) : NULL;
    summary->latest = slot && *slot ? *slot - 1 : appendMonth(month, kind);
    return &summary->rows[summary->latest];
}

void addGameToMonth(const char* date, int kind, int rank, int score, double money)
{
    char month[MONTH_KEY_SIZE];
    cutMonthKey(month, date);
    MonthRow* row = monthRow(month, kind);
    row->games++;
    if (score > 0) row->wins++;
    else if (score < 0) row->losses++;
    else row->draws++;
    row->rankSum += rank;
    if (rank >= 1 && rank <= 4) row->rankCounts[rank - 1]++;
    row->scoreSum += score;
    row->money += money;
}

// 1 when every row comes before the one in front of it: a log kept newest first.
static int descending(void)
{
    for (int i = 1; i < run.monthlySummary.count; i++)
        if (compareMonths(&run.monthlySummary.rows[i - 1], &run.monthlySummary.rows[i]) < 0) return 0;
    return 1;
}

void sortMonthlySummary(void)
{
    if (run.monthlySummary.sorted) return;
    MonthRow* rows = run.monthlySummary.rows;
    int count = run.monthlySummary.count;
    if (descending()) {
        for (int i = 0, j = count - 1; i < j; i++, j--) {
            MonthRow row = rows[i];
            rows[i] = rows[j];
            rows[j] = row;
        }
    } else {
        qsort(rows, (size_t)count, sizeof(MonthRow), compareMonths);
    }
    rebuildIndex(run.monthlySummary.indexSize);
    run.monthlySummary.latest = 0;
    run.monthlySummary.sorted = 1;
}
