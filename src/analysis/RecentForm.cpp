#include "analysis/RecentForm.h"

#include "analysis/Holm.h"
#include "analysis/TwoSampleTests.h"

#include <assert.h>
#include <stdio.h>

const int FORM_DECIMALS[FORM_ROWS] = { 2, 2, 0, 1, 1 };

void addToFormBlock(FormBlock* block, int rank, int score, double money, int seats)
{
    addToMoments(&block->rank, rank);
    addToMoments(&block->score, score);
    addToMoments(&block->money, money);
    block->tops += rank == 1;
    block->lasts += rank == seats;
}

int latestBlockGames(int games)
{
    if (games < 2 * FORM_MIN_BLOCK) return 0;
    return games / 2 < FORM_MAX_LATEST ? games / 2 : FORM_MAX_LATEST;
}

void earlierBlock(const FormBlock* whole, const FormBlock* latest, FormBlock* earlier)
{
    subtractMoments(&whole->rank, &latest->rank, &earlier->rank);
    subtractMoments(&whole->score, &latest->score, &earlier->score);
    subtractMoments(&whole->money, &latest->money, &earlier->money);
    earlier->tops = whole->tops - latest->tops;
    earlier->lasts = whole->lasts - latest->lasts;
}

double roundedAsPrinted(double value, int decimals)
{
    char text[400];
    snprintf(text, sizeof text, "%.*f", decimals, value);
    // Read back by hand: strtod would follow the C locale's decimal point.
    const char* at = text[0] == '-' ? text + 1 : text;
    double whole = 0.0;
    double scale = 1.0;
    int fraction = 0;
    for (; *at; at++) {
        if (*at == '.') {
            fraction = 1;
            continue;
        }
        whole = whole * 10.0 + (*at - '0');
        if (fraction) scale *= 10.0;
    }
    return (text[0] == '-' ? -whole : whole) / scale;
}

static void setRow(FormRow* row, double latest, double earlier, int decimals, double pValue, int lowerIsBetter)
{
    row->latest = roundedAsPrinted(latest, decimals);
    row->earlier = roundedAsPrinted(earlier, decimals);
    row->difference = row->latest - row->earlier;
    row->pValue = pValue;
    row->lowerIsBetter = lowerIsBetter;
    row->verdict = 0;
}

void compareFormBlocks(const FormBlock* latest, const FormBlock* earlier, FormRow rows[FORM_ROWS])
{
    const Moments* means[][2] = {
        { &latest->rank, &earlier->rank }, { &latest->score, &earlier->score }, { &latest->money, &earlier->money },
    };
    for (int i = FORM_RANK; i <= FORM_MONEY; i++)
        setRow(&rows[i], means[i][0]->mean, means[i][1]->mean, FORM_DECIMALS[i], welchPValue(means[i][0], means[i][1]),
               i == FORM_RANK);
    int n1 = latest->rank.count;
    int n2 = earlier->rank.count;
    setRow(&rows[FORM_TOP], latest->tops * 100.0 / n1, earlier->tops * 100.0 / n2, FORM_DECIMALS[FORM_TOP],
           fisherPValue(latest->tops, n1, earlier->tops, n2), 0);
    setRow(&rows[FORM_LAST], latest->lasts * 100.0 / n1, earlier->lasts * 100.0 / n2, FORM_DECIMALS[FORM_LAST],
           fisherPValue(latest->lasts, n1, earlier->lasts, n2), 1);
}

void decideFormRows(FormRow* rows, int count)
{
    assert(count <= FORM_MAX_FAMILY);
    double pValues[FORM_MAX_FAMILY] = {};
    double sorted[FORM_MAX_FAMILY];
    for (int i = 0; i < count; i++) pValues[i] = rows[i].pValue;
    double limit = holmLimit(pValues, count, 0.05, sorted);
    for (int i = 0; i < count; i++) {
        FormRow* row = &rows[i];
        row->verdict = 0;
        if (!(row->pValue < limit) || row->difference == 0.0) continue;
        row->verdict = (row->difference > 0.0) != (row->lowerIsBetter != 0) ? 1 : -1;
    }
}
