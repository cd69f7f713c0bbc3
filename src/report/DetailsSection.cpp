#include "report/DetailsSection.h"

#include "analysis/DetailedStats.h"
#include "analysis/RunState.h"
#include "report/AmountText.h"
#include "report/ConditionSummaryTable.h"
#include "report/HtmlText.h"
#include "report/ReportDocument.h"
#include "settings/Settings.h"
#include "text/Text.h"

#include <stdio.h>
#include <string.h>

static const char NO_VALUE[] = "—";

// A mean or a difference with decimals 2, or whole and grouped with decimals 0.
static void formatValue(char* out, size_t size, double value, int decimals, int withPlus)
{
    if (decimals == 0) formatGrouped(out, size, value, withPlus);
    else snprintf(out, size, withPlus ? "%+.*f" : "%.*f", decimals, value);
}

void formatMeanInterval(char* out, size_t size, double mean, double width, int decimals)
{
    char value[400];
    char margin[400];
    formatValue(value, sizeof value, mean, decimals, 0);
    if (width < 0.0) copyText(margin, sizeof margin, NO_VALUE);
    else formatValue(margin, sizeof margin, width, decimals, 0);
    snprintf(out, size, "%s ± %s", value, margin);
}

void formatRateInterval(char* out, size_t size, int hits, int trials)
{
    if (trials <= 0) {
        copyText(out, size, NO_VALUE);
        return;
    }
    double low, high;
    wilsonInterval(hits, trials, &low, &high);
    snprintf(out, size, "%.1f %%（%.1f～%.1f %%）", hits * 100.0 / trials, low, high);
}

static void writeLine(const char* label, const char* cellClass, const char* text, const char* unit)
{
    reportPrintf("<tr><td>%s：</td><td class=\"%s\">%s%s</td></tr>\n", label, cellClass, text, unit);
}

// The label of a figure of one kind: label alone in a run of one kind, else "label（4人打ち・N 戦）".
static void kindLabel(char* out, size_t size, const char* label, int kind, int mixed)
{
    if (!mixed) copyText(out, size, label);
    else snprintf(out, size, "%s（%s・%d 戦）", label, kindName(kind), run.detailedStats.kinds[kind].total.games);
}

// The top and last rates of the games of one kind: "トップ率" of the four-player games and
// "トップ率（3人打ち）" in a run of one kind, every label with its kind and games in a run of both.
static void writeRateLines(int kind, int mixed)
{
    const ConditionSums* sums = &run.detailedStats.kinds[kind].total;
    const char* const labels[] = { "トップ率", "ラス率" };
    const int ranks[] = { 1, kindSeats(kind) };
    for (int i = 0; i < 2; i++) {
        char label[128];
        char text[128];
        if (mixed || kind == KIND_FOUR) kindLabel(label, sizeof label, labels[i], kind, mixed);
        else snprintf(label, sizeof label, "%s（3人打ち）", labels[i]);
        formatRateInterval(text, sizeof text, sums->rankCounts[ranks[i] - 1], sums->games);
        writeLine(label, "recent", text, "");
    }
}

// The average rank and score of the games of one kind, with their intervals.
static void writeKindMeans(int kind, int mixed)
{
    const KindDetails* details = &run.detailedStats.kinds[kind];
    const ConditionSums* sums = &details->total;
    char label[128];
    char text[1024];
    kindLabel(label, sizeof label, "平均順位", kind, mixed);
    formatMeanInterval(text, sizeof text, (double)sums->rankSum / sums->games, meanWidth(&details->rank), 2);
    writeLine(label, "recent", text, " 位");
    kindLabel(label, sizeof label, "平均得点", kind, mixed);
    formatMeanInterval(text, sizeof text, (double)sums->scoreSum / sums->games, meanWidth(&details->score), 2);
    writeLine(label, "recent", text, " 点");
}

// 通算: the total money, the means with their intervals, the top and last rates. The place figures
// are those of one kind: in a history of both kinds each is given per kind, its games named.
static void writeTotals(void)
{
    const DetailedStats* stats = &run.detailedStats;
    const ConditionSums* total = &stats->total;
    int only = singleKind(run.playerTotals.kinds);
    int mixed = only < 0;
    char text[1024];
    reportPrintf("<h4>通算</h4>\n<table cellspacing=\"0\">\n");
    formatGrouped(text, sizeof text, total->money, 0);
    writeLine("通算収支", total->money < 0.0 ? "minus" : "plus", text, " 円");
    for (int kind = 0; kind < GAME_KINDS; kind++)
        if (kind == only || mixed) writeKindMeans(kind, mixed);
    formatMeanInterval(text, sizeof text, total->money / total->games, meanWidth(&stats->money), 0);
    writeLine("1戦あたり収支", "recent", text, " 円");
    writeRateLines(KIND_FOUR, mixed);
    if (stats->kinds[KIND_THREE].total.games) writeRateLines(KIND_THREE, mixed);
    reportPrintf("</table>\n");
    reportPrintf("<p>「±」の後の数は95 %%信頼区間の幅です：本当の実力による値は、ほぼ確実（95 %%）にこの範囲の中にあり、対局数が多いほど範囲は狭くなります。</p>\n");
}

// One row of the record by condition, with the figures of the table file; the money shown like the
// report's other amounts.
static void writeConditionRow(const ConditionRow* row, void* context)
{
    int mixed = *(const int*)context;
    char name[LOG_LINE_SIZE * HTML_ESCAPE_GROWTH];
    char figures[1024];
    escapeHtml(name, sizeof name, row->name);
    formatConditionFigures(figures, sizeof figures, row->sums);
    reportPrintf("<tr><td class=\"recent\">%s</td><td class=\"recent\">%s</td>", row->group, name);
    if (mixed) reportPrintf("<td class=\"recent\">%d人</td>", kindSeats(row->kind));
    const char* field = figures + 1;
    for (int i = 0; i < 7; i++) {
        const char* tab = strchr(field, '\t');
        reportPrintf("<td class=\"recent\">%.*s</td>", (int)(tab - field), field);
        field = tab + 1;
    }
    char money[400];
    const double amounts[] = { row->sums->money, row->sums->money / row->sums->games };
    for (double amount : amounts) {
        formatGrouped(money, sizeof money, amount, 0);
        reportPrintf("<td class=\"%s\">%s 円</td>", amount < 0.0 ? "minus" : "plus", money);
    }
    reportPrintf("</tr>\n");
}

// The rows of the table file; in a history of both kinds each row of a condition is given per kind,
// the kind in a narrow column of its own after the condition ("4人"), so that the table still fits
// a window of 800 pixels.
static void writeConditions(void)
{
    int mixed = singleKind(run.playerTotals.kinds) < 0;
    reportPrintf("<h4>条件別成績</h4>\n<table cellspacing=\"0\">\n<tr>");
    static const char* const headings[] = { "区分", "条件", "人数", "対局数", "平均順位", "1位率", "2位率", "3位率",
                                            "4位率", "平均得点", "収支", "1戦あたり収支" };
    for (const char* heading : headings)
        if (mixed || heading != headings[2]) reportPrintf("<td class=\"center\">%s</td>", heading);
    reportPrintf("</tr>\n");
    visitConditionRows(writeConditionRow, &mixed);
    reportPrintf("</table>\n");
}

static const char* const VERDICTS[] = { "低下", "誤差の範囲", "向上" };

// A comparison row of means: decimals 2, or 0 for money in grouped yen.
static void writeMeanRow(const char* label, const Moments* last, const Moments* before, int decimals,
                         int lowerIsBetter)
{
    double difference = last->mean - before->mean;
    double width = meanDifferenceWidth(last, before);
    char cells[4][400];
    formatValue(cells[0], sizeof cells[0], last->mean, decimals, 0);
    formatValue(cells[1], sizeof cells[1], before->mean, decimals, 0);
    formatValue(cells[2], sizeof cells[2], difference, decimals, 1);
    formatValue(cells[3], sizeof cells[3], width, decimals, 0);
    reportPrintf("<tr><td>%s</td>", label);
    for (const char* cell : cells) reportPrintf("<td class=\"recent\">%s</td>", cell);
    reportPrintf("<td class=\"recent\">%s</td></tr>\n", VERDICTS[compareVerdict(difference, width, lowerIsBetter) + 1]);
}

// A comparison row of a rate of the four-player games, in percent; "—" when a block has none.
static void writeRateRow(const char* label, int lastHits, int lastGames, int beforeHits, int beforeGames,
                         int lowerIsBetter)
{
    reportPrintf("<tr><td>%s</td>", label);
    if (lastGames == 0 || beforeGames == 0) {
        for (int i = 0; i < 5; i++) reportPrintf("<td class=\"recent\">%s</td>", NO_VALUE);
        reportPrintf("</tr>\n");
        return;
    }
    double p1 = (double)lastHits / lastGames;
    double p2 = (double)beforeHits / beforeGames;
    double difference = p1 - p2;
    double width = rateDifferenceWidth(p1, lastGames, p2, beforeGames);
    reportPrintf("<td class=\"recent\">%.1f %%</td><td class=\"recent\">%.1f %%</td>", p1 * 100.0, p2 * 100.0);
    reportPrintf("<td class=\"recent\">%+.1f</td><td class=\"recent\">%.1f</td>", difference * 100.0, width * 100.0);
    reportPrintf("<td class=\"recent\">%s</td></tr>\n", VERDICTS[compareVerdict(difference, width, lowerIsBetter) + 1]);
}

static void writeComparison(int kind, int size)
{
    BlockFigures last, before;
    blockFigures(kind, 0, size, &last);
    blockFigures(kind, size, size, &before);
    reportPrintf("<table cellspacing=\"0\">\n<tr><td></td><td class=\"center\">直近%d戦</td>", size);
    reportPrintf("<td class=\"center\">その前の%d戦</td><td class=\"center\">差</td>", size);
    reportPrintf("<td class=\"center\">95 %%幅</td><td class=\"center\">判定</td></tr>\n");
    writeMeanRow("平均順位", &last.rank, &before.rank, 2, 1);
    writeMeanRow("平均得点", &last.score, &before.score, 2, 0);
    writeMeanRow("1戦あたり収支", &last.money, &before.money, 0, 0);
    writeRateRow("トップ率", last.tops, last.fourPlayerGames, before.tops, before.fourPlayerGames, 0);
    writeRateRow("ラス率", last.lasts, last.fourPlayerGames, before.lasts, before.fourPlayerGames, 1);
    reportPrintf("</table>\n");
}

void formatFormVerdict(char* out, size_t size, int kind)
{
    int sizes[MAX_COMPARISONS];
    if (comparisonSizes(run.detailedStats.kinds[kind].total.games, sizes) == 0) {
        copyText(out, size, "対局が20戦に満たないため、比べていません");
        return;
    }
    BlockFigures last, before;
    blockFigures(kind, 0, sizes[0], &last);
    blockFigures(kind, sizes[0], sizes[0], &before);
    double difference = last.rank.mean - before.rank.mean;
    int verdict = compareVerdict(difference, meanDifferenceWidth(&last.rank, &before.rank), 1);
    snprintf(out, size, "直近%d戦の平均順位 %.2f（その前の%d戦 %.2f）：%s", sizes[0], last.rank.mean, sizes[0],
             before.rank.mean, VERDICTS[verdict + 1]);
}

// The comparisons of the games of one kind, from blocks of that kind's games only. Returns 1 when
// there was one.
static int writeKindForm(int kind)
{
    int sizes[MAX_COMPARISONS];
    int count = comparisonSizes(run.detailedStats.kinds[kind].total.games, sizes);
    if (count == 0) reportPrintf("<p>対局が20戦に満たないため、比べていません。</p>\n");
    for (int i = 0; i < count; i++) writeComparison(kind, sizes[i]);
    return count > 0;
}

// The latest games against the ones before, of one kind: in a history of both kinds, for each kind
// under its name and number of games.
static void writeRecentForm(void)
{
    reportPrintf("<h4>最近の調子</h4>\n");
    int only = singleKind(run.playerTotals.kinds);
    int compared = 0;
    for (int kind = 0; kind < GAME_KINDS; kind++) {
        if (only >= 0 && kind != only) continue;
        if (only < 0) reportPrintf("<p>%s（%d 戦）</p>\n", kindName(kind), run.detailedStats.kinds[kind].total.games);
        compared |= writeKindForm(kind);
    }
    if (compared)
        reportPrintf("<p>「誤差の範囲」は、差が95 %%幅より小さく、実力が変わらなくても偶然のばらつきで起こりうる程度だという意味です。</p>\n");
}

void writeDetailsSection(void)
{
    char id[HTML_ID_SIZE];
    escapeHtml(id, sizeof id, settings.currentId);
    reportPrintf("<h3>☆ %sさんの詳しい成績 ☆</h3>\n", id);
    reportPrintf("<div class=\"indentmargin\">\n");
    writeTotals();
    writeConditions();
    writeRecentForm();
    reportPrintf("</div>\n");
}
