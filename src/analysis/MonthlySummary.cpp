#include "analysis/MonthlySummary.h"

#include "analysis/FatalError.h"
#include "text/Messages.h"
#include "text/Text.h"

#include <stdlib.h>
#include <string.h>

enum { MONTH_GROWTH = 64, FIRST_INDEX_SIZE = 256 };

// What the index looks up: a month key and a kind.
struct MonthKey {
    const char* month;
    int kind;
};

void clearMonthlySummary(MonthlySummary* summary)
{
    summary->count = 0;
    summary->latest = 0;
    summary->sorted = 1;
    clearNameIndex(&summary->index);
}

void cutMonthKey(char key[MONTH_KEY_SIZE], const char* date)
{
    memset(key, 0, MONTH_KEY_SIZE);
    // The usual date: its first 7 bytes ASCII, so the cut falls right after them.
    int ascii = 0;
    while (ascii < MONTH_KEY_SIZE - 1 && date[ascii] != '\0' && (unsigned char)date[ascii] < 0x80) ascii++;
    if (ascii == MONTH_KEY_SIZE - 1) memcpy(key, date, MONTH_KEY_SIZE - 1);
    else copyText(key, MONTH_KEY_SIZE, date);   // whole characters only
}

// Keys are compared as their whole 8 bytes, zero after the text (the rows and the keys looked up
// are zeroed first): one comparison of a word, in the byte order of strcmp.
static int isRow(const MonthRow* row, const char* month, int kind)
{
    return row->kind == kind && memcmp(row->month, month, MONTH_KEY_SIZE) == 0;
}

static int rowKeyed(const void* summary, int row, const void* key)
{
    const MonthKey* k = (const MonthKey*)key;
    return isRow(&((const MonthlySummary*)summary)->rows[row], k->month, k->kind);
}

static uint32_t monthHash(const char* month, int kind)
{
    return textHash(month) + (uint32_t)kind;
}

// The index slot of month and kind: the one holding its row, or the free one where it belongs.
static size_t indexSlot(const MonthlySummary* summary, const char* month, int kind)
{
    MonthKey key = {month, kind};
    return findNameSlot(&summary->index, monthHash(month, kind), rowKeyed, summary, &key);
}

// Month keys in byte order, the four-player row of a month before its three-player one.
static int compareMonths(const void* a, const void* b)
{
    const MonthRow* x = (const MonthRow*)a;
    const MonthRow* y = (const MonthRow*)b;
    int order = memcmp(x->month, y->month, MONTH_KEY_SIZE);
    return order ? order : x->kind - y->kind;
}

// Enters every row anew, once the rows have moved.
static void rebuildIndex(MonthlySummary* summary)
{
    clearNameIndex(&summary->index);
    for (int i = 0; i < summary->count; i++) {
        const MonthRow* row = &summary->rows[i];
        enterName(&summary->index, indexSlot(summary, row->month, row->kind), monthHash(row->month, row->kind), i);
    }
}

// Appends an empty row for month and kind, growing the rows and the index as needed. Returns its
// number.
static int appendMonth(MonthlySummary* summary, const char* month, int kind)
{
    if (summary->count == summary->capacity) {
        void* rows = growBlockItems(&summary->rowBlock, sizeof(MonthRow), &summary->capacity, MONTH_GROWTH);
        if (!rows) fatalError("%s", MESSAGE_OUT_OF_MEMORY);
        summary->rows = (MonthRow*)rows;
    }
    if ((size_t)(summary->count + 1) * 2 >= summary->index.size) {
        size_t size = summary->index.size ? summary->index.size * 2 : (size_t)FIRST_INDEX_SIZE;
        if (!fitNameIndexIn(&summary->index, size, growBlockStorage, &summary->indexBlock))
            fatalError("%s", MESSAGE_OUT_OF_MEMORY);
    }
    MonthRow* row = &summary->rows[summary->count];
    memset(row, 0, sizeof *row);
    copyText(row->month, sizeof row->month, month);
    row->kind = kind;
    if (summary->count > 0 && compareMonths(&row[-1], row) > 0) summary->sorted = 0;
    enterName(&summary->index, indexSlot(summary, row->month, kind), monthHash(row->month, kind), summary->count);
    return summary->count++;
}

// The row of month and kind, added when missing. The log is in time order, so the previous game's
// row is tried first.
static MonthRow* monthRow(MonthlySummary* summary, const char* month, int kind)
{
    if (summary->latest < summary->count && isRow(&summary->rows[summary->latest], month, kind))
        return &summary->rows[summary->latest];
    int found = summary->index.size ? nameSlotItem(&summary->index, indexSlot(summary, month, kind)) : -1;
    summary->latest = found >= 0 ? found : appendMonth(summary, month, kind);
    return &summary->rows[summary->latest];
}

void addGameToMonth(MonthlySummary* summary, const char* date, int kind, int rank, int score, double money)
{
    char month[MONTH_KEY_SIZE];
    cutMonthKey(month, date);
    MonthRow* row = monthRow(summary, month, kind);
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
static int descending(const MonthlySummary* summary)
{
    for (int i = 1; i < summary->count; i++)
        if (compareMonths(&summary->rows[i - 1], &summary->rows[i]) < 0) return 0;
    return 1;
}

void sortMonthlySummary(MonthlySummary* summary)
{
    if (summary->sorted) return;
    MonthRow* rows = summary->rows;
    int count = summary->count;
    if (descending(summary)) {
        for (int i = 0, j = count - 1; i < j; i++, j--) {
            MonthRow row = rows[i];
            rows[i] = rows[j];
            rows[j] = row;
        }
    } else {
        qsort(rows, (size_t)count, sizeof(MonthRow), compareMonths);
    }
    rebuildIndex(summary);
    summary->latest = 0;
    summary->sorted = 1;
}
