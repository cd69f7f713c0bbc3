#include "settings/AnalysisConditions.h"

#include "text/Messages.h"
#include "text/Text.h"

#include <stdio.h>
#include <string.h>

static int isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads 1 to maxDigits digits at *text into *value and moves past them. Returns 0 when there are
// none or more.
static int readDigits(const char** text, int maxDigits, int* value)
{
    int count = 0;
    *value = 0;
    while (isDigit(**text)) {
        if (++count > maxDigits) return 0;
        *value = *value * 10 + (**text - '0');
        (*text)++;
    }
    return count > 0;
}

static int daysInMonth(int year, int month)
{
    static const int days[12] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    int leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

const char* readDateInput(const char* text, char date[DATE_SIZE])
{
    while (*text == ' ') text++;
    size_t length = strlen(text);
    while (length > 0 && text[length - 1] == ' ') length--;
    if (length == 0) {
        date[0] = '\0';
        return NULL;
    }
    char typed[16];
    if (length >= sizeof typed) return MESSAGE_DATE_FORM;
    memcpy(typed, text, length);
    typed[length] = '\0';

    const char* p = typed;
    int year, month, day;
    const char* yearStart = p;
    if (!readDigits(&p, 4, &year) || p - yearStart != 4) return MESSAGE_DATE_FORM;
    char separator = *p;
    if (separator != '/' && separator != '-') return MESSAGE_DATE_FORM;
    p++;
    if (!readDigits(&p, 2, &month) || *p++ != separator) return MESSAGE_DATE_FORM;
    if (!readDigits(&p, 2, &day) || *p) return MESSAGE_DATE_FORM;
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month)) return MESSAGE_DATE_IMPOSSIBLE;
    snprintf(date, DATE_SIZE, "%04d/%02d/%02d", year, month, day);
    return NULL;
}

const char* checkPeriod(const char* firstDay, const char* lastDay)
{
    if (firstDay[0] && lastDay[0] && strcmp(firstDay, lastDay) > 0) return MESSAGE_PERIOD_REVERSED;
    return NULL;
}

int isWellFormedDate(const char* text)
{
    static const char form[] = "9999/99/99";
    for (size_t i = 0; i < sizeof form - 1; i++) {
        if (form[i] == '9' ? !isDigit(text[i]) : text[i] != form[i]) return 0;
    }
    return text[sizeof form - 1] == '\0';
}

int isItemList(const char* text)
{
    while (*text) {
        size_t length = strcspn(text, ";");
        if (length == 0 || text[length] != ';') return 0;
        text += length + 1;
    }
    return 1;
}

int listHoldsItem(const char* list, const char* item, size_t length)
{
    while (*list) {
        size_t itemLength = strcspn(list, ";");
        if (itemLength == length && memcmp(list, item, length) == 0) return 1;
        list += itemLength;
        if (*list) list++;
    }
    return 0;
}

const char* addListItem(char* list, size_t size, const char* item)
{
    size_t length = strlen(item);
    if (length == 0 || strchr(item, ';')) return MESSAGE_LOBBY_UNLISTABLE;
    if (listHoldsItem(list, item, length)) return NULL;
    size_t used = strlen(list);
    if (used + length + 1 >= size) return MESSAGE_TOO_MANY_LOBBIES;
    memcpy(list + used, item, length);
    list[used + length] = ';';
    list[used + length + 1] = '\0';
    return NULL;
}
