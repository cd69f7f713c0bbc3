#include "report/Report.h"

FILE* reportStream = NULL;

void writeReport(void)
{
}
