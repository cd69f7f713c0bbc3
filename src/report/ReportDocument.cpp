#include "report/ReportDocument.h"

#include "Version.h"
#include "platform/TextFile.h"
#include "report/ColorScheme.h"
#include "report/Report.h"
#include "settings/Settings.h"

#include <stdarg.h>

const char programVersion[] = VORNIX_VERSION;

int reportPrintf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    int length = textVPrintf(reportStream, format, args);
    va_end(args);
    return length;
}

// The style sheet, from the opening of the style element to its end. Kept as written: lengths without
// units, "margin 0" without its colon, the div rule without a line end; browsers read it in quirks
// mode as they always have, and every earlier report holds the same bytes.
static void writeStyleSheet(const ColorScheme* s)
{
    reportPrintf("<style type=\"text/css\"><!--\n");
    reportPrintf("body {font-size:%d;", s->body.fontSize);
    reportPrintf(" color: %s;", s->body.color);
    reportPrintf(" background-color: %s;", s->body.background);
    reportPrintf(" line-height:1.2;");
    reportPrintf(" margin: 0 0 10 10}\n");
    reportPrintf("p {margin:5 0 5 12;}\n");
    reportPrintf("h3 {font-size: %d; color: %s; margin: 16 0 6 0;}\n", s->h3.fontSize, s->h3.color);
    reportPrintf("h4 {font-size: 15; font-weight: normal; margin: 0 0 0 0;}\n");
    reportPrintf("A:Link, A:Visited, A:Active, A:Hover{color:#dc143c; text-decoration:none;}\n");
    reportPrintf("hr {margin:10 20 0 0;}\n");
    reportPrintf("table.oframe {background: #dc143c; margin 0;}\n");
    reportPrintf("td.oframe {background: #dc143c; padding: 0;}\n");
    reportPrintf("td {font-size: 16; padding: 1 4 0 4; white-space: nowrap;}\n");
    reportPrintf("td.mony {text-align: right; color: %s; font-size: %d;}\n", s->mony.color, s->mony.fontSize);
    reportPrintf("td.rank {text-align: right; color: %s; font-size: %d;}\n", s->rank.color, s->rank.fontSize);
    reportPrintf("td.recent{text-align: right; color: %s; font-size: %d;}\n", s->recent.color, s->recent.fontSize);
    reportPrintf("td.plus {text-align: right; color: %s; font-size: %d;}\n", s->plus.color, s->plus.fontSize);
    reportPrintf("td.minus {text-align: right; color: %s; font-size: %d;}\n", s->minus.color, s->minus.fontSize);
    reportPrintf("td.id {text-align: left; font-size: %d; color: %s;}\n", s->id.fontSize, s->id.color);
    reportPrintf("td.center {text-align: center;}\n");
    reportPrintf("tr.iframe {background: #FFFFFF;}\n");
    reportPrintf("div {margin: 30 0 30 0;}");
    reportPrintf("div.indent {margin: 0 0 0 12;}\n");
    reportPrintf("div.indentmargin {margin: 5 0 5 10;}\n");
    reportPrintf("div.indent40 {margin: 0 0 20 40;}\n");
    reportPrintf("div.right {text-align: right; margin: 0 20 0 0;}\n");
    reportPrintf("UL {margin: 0 0 0 30;}\n");
    reportPrintf("-->\n");
    reportPrintf("</style>\n");
}

// Kept as written: upper-case HTML, HEAD and BODY, which the footer closes in lower case, and no doctype.
void writeReportHead(const char* titleFormat, ...)
{
    reportPrintf("<HTML>\n");
    reportPrintf("<HEAD>\n");
    reportPrintf("<meta http-equiv=\"Content-type\" content=\"text/html; charset=Shift_JIS\">\n");
    writeStyleSheet(colorSchemeFor(settings.colorScheme));
    reportPrintf("<TITLE>");
    va_list args;
    va_start(args, titleFormat);
    textVPrintf(reportStream, titleFormat, args);
    va_end(args);
    reportPrintf("</TITLE>\n");
    reportPrintf("</HEAD>\n");
    reportPrintf("<BODY>\n");
}
