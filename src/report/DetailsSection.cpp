#include "report/DetailsSection.h"

#include "analysis/DetailedStats.h"
#include "analysis/RecentForm.h"
#include "analysis/RunState.h"
#include "report/AmountText.h"
#include "report/ConditionSummaryTable.h"
#include "report/HtmlText.h"
#include "report/RangeText.h"
#include "report/ReportDocument.h"
#include "settings/Settings.h"
#include "text/Text.h"

#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum { TEXT_SIZE = 1200 };   // a figure or a range with its unit; the widest amount has 309 digits

// A line of 通算: the figure, its 95% range and the games it is over.
static void writeLine(const char* label, const char* cellClass, const char* value, const char* range, int games)
{
    reportPrintf("<tr><td>%s：</td><td class=\"%s\">%s</td><td class=\"recent\">%s</td>", label, cellClass, value, range);
    reportPrintf("<td class=\"recent\">%d 戦</td></tr>\n", games);
}

// "text unit", or NO_FIGURE alone.
static void withUnit(char* out, size_t size, const char* text, const char* unit)
{
    copyText(out, size, text);
    if (strcmp(text, NO_FIGURE) == 0) return;
    appendText(out, size, " ");
    appendText(out, size, unit);
}

// A mean's line: value (as the table by condition writes it) and the range of its moments, edges
// within lowest and highest.
static void writeMeanLine(const char* label, double value, const Moments* moments, double lowest, double highest,
                          int decimals, const char* unit)
{
    char figure[TEXT_SIZE], range[TEXT_SIZE], valueText[TEXT_SIZE], rangeText[TEXT_SIZE];
    formatFigure(figure, sizeof figure, value, decimals, 0);
    formatMeanRange(range, sizeof range, moments, lowest, highest, decimals);
    withUnit(valueText, sizeof valueText, figure, unit);
    withUnit(rangeText, sizeof rangeText, range, unit);
    writeLine(label, "recent", valueText, rangeText, moments->count);
}

// The label of a figure of one kind: label alone in a run of one kind, else "label（4人打ち）".
static void kindLabel(char* out, size_t size, const char* label, int kind, int mixed)
{
    if (!mixed) copyText(out, size, label);
    else snprintf(out, size, "%s（%s）", label, kindName(kind));
}

// The top and last rates of the games of one kind: "トップ率" of the four-player games and
// "トップ率（3人打ち）" of the three-player ones.
static void writeRateLines(int kind, int mixed)
{
    const ConditionSums* sums = &run.detailedStats.kinds[kind].total;
    const char* const labels[] = { "トップ率", "ラス率" };
    const int ranks[] = { 1, kindSeats(kind) };
    for (int i = 0; i < 2; i++) {
        char label[128], value[TEXT_SIZE], range[TEXT_SIZE], rangeText[TEXT_SIZE];
        kindLabel(label, sizeof label, labels[i], kind, mixed || kind == KIND_THREE);
        int hits = sums->rankCounts[ranks[i] - 1];
        if (sums->games > 0) snprintf(value, sizeof value, "%.1f %%", hits * 100.0 / sums->games);
        else copyText(value, sizeof value, NO_FIGURE);
        formatRateRange(range, sizeof range, hits, sums->games);
        withUnit(rangeText, sizeof rangeText, range, "%");
        writeLine(label, "recent", value, rangeText, sums->games);
    }
}

// The average rank and score of the games of one kind, with their ranges.
static void writeKindMeans(int kind, int mixed)
{
    const KindDetails* details = &run.detailedStats.kinds[kind];
    const ConditionSums* sums = &details->total;
    char label[128];
    kindLabel(label, sizeof label, "平均順位", kind, mixed);
    writeMeanLine(label, (double)sums->rankSum / sums->games, &details->rank, 1.0, kindSeats(kind), 2, "位");
    kindLabel(label, sizeof label, "平均得点", kind, mixed);
    writeMeanLine(label, (double)sums->scoreSum / sums->games, &details->score, -HUGE_VAL, HUGE_VAL, 2, "点");
}

// 通算: the total money, the means with their ranges, the top and last rates, each with its games. The
// place figures are those of one kind: in a history of both kinds each is given per kind.
static void writeTotals(void)
{
    const DetailedStats* stats = &run.detailedStats;
    const ConditionSums* total = &stats->total;
    int only = singleKind(run.playerTotals.kinds);
    int mixed = only < 0;
    char figure[TEXT_SIZE], text[TEXT_SIZE];
    reportPrintf("<h4>通算</h4>\n<table cellspacing=\"0\">\n");
    reportPrintf("<tr><td></td><td class=\"center\">値</td><td class=\"center\">95%%範囲</td>"
                 "<td class=\"center\">対局数</td></tr>\n");
    formatGrouped(figure, sizeof figure, total->money, 0);
    withUnit(text, sizeof text, figure, "円");
    writeLine("通算収支", total->money < 0.0 ? "minus" : "plus", text, "", total->games);
    for (int kind = 0; kind < GAME_KINDS; kind++)
        if (kind == only || mixed) writeKindMeans(kind, mixed);
    writeMeanLine("1戦あたり収支", total->money / total->games, &stats->money, -HUGE_VAL, HUGE_VAL, 0, "円");
    for (int kind = 0; kind < GAME_KINDS; kind++)
        if (stats->kinds[kind].total.games) writeRateLines(kind, mixed);
    reportPrintf("</table>\n");
    reportPrintf("<p>「95%%範囲」は、実力が同じまま同じ数の対局をくり返したとしたら、こうして作る範囲が100回に"
                 "95回ほど本当の値を含む、という幅です。対局が多いほど狭くなり、平均の範囲は10戦未満では「%s」です"
                 "（順位の範囲は1位から最下位までの中に収めています）。ロビー・レート・対戦相手が変われば、"
                 "実力が同じでも数字は変わります。</p>\n", NO_FIGURE);
}

// What writeConditionRow needs: whether the rows name their kind, and each row's mark in order.
struct ConditionRows {
    int mixed;
    const signed char* marks;
    int count;
    int next;
};

// One row of the record by condition, with the figures of the table file, the range of its average
// rank and its mark; the money shown like the report's other amounts.
static void writeConditionRow(const ConditionRow* row, void* context)
{
    ConditionRows* rows = (ConditionRows*)context;
    int mark = rows->next < rows->count ? rows->marks[rows->next] : 0;
    rows->next++;
    char name[LOG_LINE_SIZE * HTML_ESCAPE_GROWTH];
    char figures[1024];
    escapeHtml(name, sizeof name, row->name);
    formatConditionFigures(figures, sizeof figures, row->sums);
    reportPrintf("<tr><td class=\"recent\">%s</td><td class=\"recent\">%s</td>", row->group, name);
    if (rows->mixed) reportPrintf("<td class=\"recent\">%d人</td>", kindSeats(row->kind));
    const char* field = figures + 1;
    for (int i = 0; i < 7; i++) {
        const char* tab = strchr(field, '\t');
        // A three-player game has no fourth place: its 4位率 is no figure, not 0.0.
        if (i == 5 && kindSeats(row->kind) == 3) reportPrintf("<td class=\"recent\">%s</td>", NO_FIGURE);
        else reportPrintf("<td class=\"recent\">%.*s</td>", (int)(tab - field), field);
        field = tab + 1;
        if (i != 1) continue;
        char range[TEXT_SIZE];
        Moments rank;
        rankMoments(row->sums, &rank);
        formatMeanRange(range, sizeof range, &rank, 1.0, kindSeats(row->kind), 2);
        reportPrintf("<td class=\"recent\">%s%s</td>", range, mark < 0 ? " 良い" : mark > 0 ? " 悪い" : "");
    }
    char money[400];
    const double amounts[] = { row->sums->money, row->sums->money / row->sums->games };
    for (double amount : amounts) {
        formatGrouped(money, sizeof money, amount, 0);
        reportPrintf("<td class=\"%s\">%s 円</td>", amount < 0.0 ? "minus" : "plus", money);
    }
    reportPrintf("</tr>\n");
}

// The rows of the table file with the range and the mark of each row's average rank; in a history
// of both kinds each row of a condition is given per kind, the kind in a narrow column of its own
// after the condition ("4人"), so that the table still fits a window of 800 pixels.
static void writeConditions(void)
{
    ConditionRows rows = { singleKind(run.playerTotals.kinds) < 0, NULL, 0, 0 };
    signed char* marks = conditionRowMarks(&run.detailedStats, &rows.count);
    rows.marks = marks;
    reportPrintf("<h4>条件別成績</h4>\n<table cellspacing=\"0\">\n<tr>");
    static const char* const headings[] = { "区分", "条件", "人数", "対局数", "平均順位", "95%範囲", "1位率",
                                            "2位率", "3位率", "4位率", "平均得点", "収支", "1戦あたり収支" };
    for (const char* heading : headings)
        if (rows.mixed || heading != headings[2]) reportPrintf("<td class=\"center\">%s</td>", heading);
    reportPrintf("</tr>\n");
    visitConditionRows(&run.detailedStats, writeConditionRow, &rows);
    free(marks);
    reportPrintf("</table>\n");
    reportPrintf("<p>「95%%範囲」は平均順位の範囲です。その後の「良い」「悪い」は、その行の平均順位が同じ区分・"
                 "同じ人数のほかの対局と比べて、表のすべての行をまとめて見ても偶然では説明しにくいほど違うときだけ"
                 "付けます。付いていない行は、差がないという意味ではなく、この戦数では分からないという意味です。"
                 "</p>\n");
}

static const char* const FORM_LABELS[FORM_ROWS] = { "平均順位", "平均得点", "1戦あたり収支", "トップ率", "ラス率" };
static const char* const FORM_VALUE_UNITS[FORM_ROWS] = { "位", "点", "円", "%", "%" };
static const char* const FORM_DIFFERENCE_UNITS[FORM_ROWS] = { "順位", "点", "円", "ポイント", "ポイント" };
static const char* const VERDICTS[] = { "低下", "はっきりした差はない", "向上" };

static void writeFormRow(int name, const FormRow* row)
{
    char cells[3][TEXT_SIZE];
    char text[TEXT_SIZE];
    const double values[3] = { row->latest, row->earlier, row->difference };
    reportPrintf("<tr><td>%s</td>", FORM_LABELS[name]);
    for (int i = 0; i < 3; i++) {
        formatFigure(cells[i], sizeof cells[i], values[i], FORM_DECIMALS[name], i == 2);
        withUnit(text, sizeof text, cells[i], i == 2 ? FORM_DIFFERENCE_UNITS[name] : FORM_VALUE_UNITS[name]);
        reportPrintf("<td class=\"recent\">%s</td>", text);
    }
    reportPrintf("<td class=\"recent\">%s</td></tr>\n", VERDICTS[row->verdict + 1]);
}

static void writeComparison(const FormBlock* latest, const FormBlock* earlier, const FormRow* rows)
{
    reportPrintf("<table cellspacing=\"0\">\n<tr><td></td><td class=\"center\">直近%d戦</td>", latest->rank.count);
    reportPrintf("<td class=\"center\">それ以前の%d戦</td><td class=\"center\">差</td>", earlier->rank.count);
    reportPrintf("<td class=\"center\">判定</td></tr>\n");
    for (int name = 0; name < FORM_ROWS; name++) writeFormRow(name, &rows[name]);
    reportPrintf("</table>\n");
}

// The comparisons of 最近の調子 as the report shows them: per kind whether its games were compared and
// its blocks, the rows of the compared kinds in kind order, their verdicts decided together.
struct RecentFormView {
    int only;                         // singleKind of the run: the one kind shown, -1 for both
    FormBlock latest[GAME_KINDS], earlier[GAME_KINDS];
    int compared[GAME_KINDS];
    int firstRow[GAME_KINDS];         // of the kind's rows in rows
    FormRow rows[FORM_MAX_FAMILY];
    int count;
};

// The latest games of each kind against every earlier game of that kind. The verdicts of all the
// rows shown are decided together, so that a player whose level never changed sees one in at most 5
// reports of 100.
static void computeRecentForm(RecentFormView* view)
{
    view->only = singleKind(run.playerTotals.kinds);
    view->count = 0;
    for (int kind = 0; kind < GAME_KINDS; kind++) {
        view->compared[kind] = 0;
        view->firstRow[kind] = view->count;
        if (view->only >= 0 && kind != view->only) continue;
        view->compared[kind] = kindFormBlocks(&run.detailedStats, kind, &view->latest[kind], &view->earlier[kind]);
        if (!view->compared[kind]) continue;
        compareFormBlocks(&view->latest[kind], &view->earlier[kind], &view->rows[view->count]);
        view->count += FORM_ROWS;
    }
    decideFormRows(view->rows, view->count);
}

void formatFormVerdict(char* out, size_t size, int kind)
{
    static RecentFormView view;
    computeRecentForm(&view);
    char text[256];
    if (!view.compared[kind]) {
        snprintf(out, size, "対局が%d戦に満たないため、比べていません", 2 * FORM_MIN_BLOCK);
        return;
    }
    snprintf(out, size, "直近%d戦をそれ以前の%d戦と比べて、", view.latest[kind].rank.count,
             view.earlier[kind].rank.count);
    int named = 0;
    for (int name = 0; name < FORM_ROWS; name++) {
        const FormRow* row = &view.rows[view.firstRow[kind] + name];
        if (row->verdict == 0) continue;
        snprintf(text, sizeof text, "%s%sは%s", named++ ? "、" : "", FORM_LABELS[name], VERDICTS[row->verdict + 1]);
        appendText(out, size, text);
    }
    if (!named) appendText(out, size, VERDICTS[1]);
}

static void writeRecentForm(void)
{
    reportPrintf("<h4>最近の調子</h4>\n");
    static RecentFormView view;
    computeRecentForm(&view);
    for (int kind = 0; kind < GAME_KINDS; kind++) {
        if (view.only >= 0 && kind != view.only) continue;
        if (view.only < 0)
            reportPrintf("<p>%s（%d 戦）</p>\n", kindName(kind), run.detailedStats.kinds[kind].total.games);
        if (!view.compared[kind]) {
            reportPrintf("<p>対局が%d戦に満たないため、比べていません。</p>\n", 2 * FORM_MIN_BLOCK);
            continue;
        }
        writeComparison(&view.latest[kind], &view.earlier[kind], &view.rows[view.firstRow[kind]]);
    }
    if (view.count == 0) return;
    reportPrintf("<p>直近の対局を、それより前のすべての対局（同じ人数の対局だけ）と比べています。平均順位とラス率は"
                 "小さいほど、平均得点・1戦あたり収支・トップ率は大きいほど良い結果です。「向上」「低下」は、"
                 "表のすべての行をまとめて見ても、実力が変わっていなければ100回に5回も出ないほどの差があるときだけ"
                 "出します。「はっきりした差はない」は、変わっていないという意味ではなく、この戦数ではまだ判断"
                 "できないという意味です。</p>\n");
}

void writeDetailsSection(void)
{
    char id[HTML_ID_SIZE];
    escapeHtml(id, sizeof id, playerDisplayId(&run.player));
    reportPrintf("<h3>☆ %sさんの詳しい成績 ☆</h3>\n", id);
    reportPrintf("<div class=\"indentmargin\">\n");
    writeTotals();
    writeConditions();
    writeRecentForm();
    reportPrintf("</div>\n");
}
