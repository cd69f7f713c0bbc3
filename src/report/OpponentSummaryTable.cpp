#include "report/OpponentSummaryTable.h"

#include "analysis/OpponentTable.h"
#include "analysis/RunState.h"
#include "platform/TextRow.h"
#include "report/RunOutput.h"
#include "settings/Settings.h"

// The longest line: the name's whole buffer, three counts and three amounts, each after a tab, and
// the line end.
enum { RECORD_LINE_ROOM = ID_SIZE + 3 * (1 + ROW_INTEGER_ROOM) + 3 * (1 + ROW_WHOLE_ROOM) + 2 };
static_assert((int)RECORD_LINE_ROOM <= (int)TEXT_ROW_SIZE, "rowSpace makes room for at most TEXT_ROW_SIZE bytes");

// "%s\t%d\t%d\t%d\t%.0f\t%.0f\t%.0f\n" with the record's fields; money lost is written negated.
// Names go out as they stood in the log: a spreadsheet reads the file, not a browser. Kept as written:
// 勝ち数 and 負け数 are the games above and below (an equal score counts as below), and 負け金 is a
// positive amount.
static void writeRecordLine(TextRow* row, const OpponentRecord* r)
{
    char* out = rowSpace(row, RECORD_LINE_ROOM);
    out = putHeldText(out, r->name, sizeof r->name);
    *out++ = '\t';
    out = putInteger(out, r->games);
    *out++ = '\t';
    out = putInteger(out, r->above);
    *out++ = '\t';
    out = putInteger(out, r->below);
    *out++ = '\t';
    out = putWhole(out, r->moneyWon);
    *out++ = '\t';
    out = putWhole(out, -r->moneyLost);
    *out++ = '\t';
    out = putWhole(out, r->balance);
    *out++ = '\r';
    *out++ = '\n';
    rowSpaceUsed(row, out);
}

int writeOpponentSummaryTable(const uint32_t* order)
{
    if (!createRunOutput(OUTPUT_OPPONENT_SUMMARY)) return 0;
    FILE* file = runOutputs[OUTPUT_OPPONENT_SUMMARY].file.stream;
    // A line per opponent, gathered in one large buffer that goes out in one write whenever it fills
    // (the stream itself unbuffered).
    static char rowBuffer[256 * 1024];
    setvbuf(file, NULL, _IONBF, 0);
    TextRow row;
    startRowsIn(&row, file, rowBuffer, sizeof rowBuffer);
    rowText(&row, "名前\t対戦回数\t勝ち数\t負け数\t勝ち金\t負け金\t収支\n");
    const OpponentRecord* records = run.opponentTable.records;
    int n = opponentCount(&run.opponentTable);
    for (int i = 0; i < n; i++) {
        if (order && i + 16 < n) __builtin_prefetch(&records[order[i + 16]]);   // a row's record is rarely cached
        writeRecordLine(&row, &records[order ? order[i] : (uint32_t)i]);
    }
    writeRow(&row);
    finishRunOutput(OUTPUT_OPPONENT_SUMMARY);
    return 1;
}
