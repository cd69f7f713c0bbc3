#include "analysis/LogReader.h"

#include "support/GameLogText.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <vector>

// Reads the whole open log; the lines delivered with 1, in order. Checks that the read that ends it
// returns 0 with the end-of-file indicator set, and that later reads stay at 0.
static std::vector<std::string> readAllLines(void)
{
    std::vector<std::string> lines;
    char buffer[LOG_LINE_SIZE];
    while (readLogLine(&run.log, buffer)) {
        EXPECT_FALSE(logAtEnd(&run.log));
        lines.push_back(buffer);
    }
    EXPECT_TRUE(logAtEnd(&run.log));
    EXPECT_EQ(readLogLine(&run.log, buffer), 0);
    return lines;
}

// The rule stated plainly: CR LF becomes LF over the whole file, then pieces of at most 79 bytes end
// after a LF; a piece that meets the end of the file before its LF or its 79th byte is not delivered.
static std::vector<std::string> expectedLines(const std::string& raw)
{
    std::string text;
    for (size_t i = 0; i < raw.size(); i++)
        if (!(raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n')) text += raw[i];
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t length = 0;
        while (length < 79 && at + length < text.size()) {
            length++;
            if (text[at + length - 1] == '\n') break;
        }
        int complete = text[at + length - 1] == '\n' || length == 79;
        if (!complete) break;
        lines.push_back(text.substr(at, length));
        at += length;
    }
    return lines;
}

struct ReaderCase {
    std::string input;
    std::vector<std::string> lines;
    const char* rule;
};

TEST(LogReader, CutsLinesLikeATextModeStream)
{
    const std::string x79(79, 'x');
    const ReaderCase cases[] = {
        {"", {}, "an empty file ends at once"},
        {"a\r\nb\r\n", {"a\n", "b\n"}, "CR LF becomes LF"},
        {"a\nb\n", {"a\n", "b\n"}, "a bare LF is a line break too"},
        {"a\rb\r\n", {"a\rb\n"}, "a lone CR stays"},
        {"a\r\r\n", {"a\r\n"}, "only the CR right before LF goes"},
        {"\r\n\r\n", {"\n", "\n"}, "empty lines"},
        {"a\r\nlast", {"a\n"}, "a last line without line break is not delivered"},
        {"a\r\nb\r", {"a\n"}, "a CR at the very end is no line break"},
        {x79 + "\r\n", {x79, "\n"}, "79 bytes fill a read; the line break comes alone"},
        {std::string(78, 'y') + "\r\n", {std::string(78, 'y') + "\n"}, "78 bytes and the break fit one read"},
        {std::string(80, 'z') + "\r\n", {std::string(79, 'z'), "z\n"}, "the remainder is a line of its own"},
        {x79, {x79}, "79 bytes at the end: the read stops before meeting the end"},
        {std::string(200, 'w') + "\r\nq\r\n",
         {std::string(79, 'w'), std::string(79, 'w'), std::string(42, 'w') + "\n", "q\n"},
         "a long line in three pieces"},
        {std::string("a\0b\r\n", 5), {std::string("a")}, "a zero byte ends the text of the line"},
        {"a\x1a\r\nb\x1a\r\nc\r\n", {"a\x1a\n", "b\x1a\n", "c\n"},
         "0x1A is a byte like any other: the log goes on after it"},
    };
    for (const ReaderCase& c : cases) {
        SCOPED_TRACE(c.rule);
        RunFolder folder;
        openLogText(c.input);
        EXPECT_EQ(readAllLines(), c.lines);
    }
}

// The physical line of each piece read: counted in line breaks, a long line's pieces share it.
TEST(LogReader, NumbersThePhysicalLines)
{
    struct Case { std::string input; std::vector<long long> numbers; const char* rule; };
    const Case cases[] = {
        {"a\r\nb\nc\r\n", {1, 2, 3}, "CR LF and LF each end a line"},
        {"a\rb\r\nc\r\n", {1, 2}, "a lone CR ends none"},
        {std::string(200, 'w') + "\r\nq\r\n", {1, 1, 1, 2}, "the pieces of a long line"},
        {std::string(79, 'x') + "\r\nq\r\n", {1, 1, 2}, "the break read alone"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        RunFolder folder;
        openLogText(c.input);
        std::vector<long long> numbers;
        char buffer[LOG_LINE_SIZE];
        while (readLogLine(&run.log, buffer)) numbers.push_back(logLineNumber(&run.log));
        EXPECT_EQ(numbers, c.numbers);
    }
}

TEST(LogReader, LineBreaksAcrossBlocksAreTranslatedAlike)
{
    // The reader takes the file in large blocks; a CR LF pair or a lone CR may sit on the seam.
    struct SeamCase {
        size_t at;   // offset of the CR
        const char* tail;
        const char* rule;
    };
    const SeamCase cases[] = {
        {65535, "\r\nend\r\n", "CR LF split by the first seam"},
        {65535, "\rX\r\n", "a lone CR at the seam"},
        {65535, "\r", "a lone CR at the seam that ends the file"},
        {65536, "\r\nend\r\n", "CR LF right after the seam"},
        {131071, "\r\r\nend\r\n", "CR CR LF at the second seam"},
    };
    for (const SeamCase& c : cases) {
        SCOPED_TRACE(c.rule);
        std::string raw;
        while (raw.size() + 60 < c.at) raw += std::string(50, 'a') + "\r\n";
        raw += std::string(c.at - raw.size(), 'b');
        raw += c.tail;
        RunFolder folder;
        openLogText(raw);
        EXPECT_EQ(logSize(&run.log), (long long)raw.size());
        EXPECT_EQ(readAllLines(), expectedLines(raw));
    }
}

// A FIFO used to block the run for ever, and /dev/zero to run until killed.
TEST(LogReader, OnlyARegularFileOpens)
{
    RunFolder folder;
    writeBytes("log.txt", "x\r\n");
    std::filesystem::copy_file("log.txt", u8"café.txt");
    ASSERT_EQ(mkfifo("fifo", 0600), 0);
    struct Case { int native; const char* path; int opens; const char* rule; };
    const Case cases[] = {
        { 0, "missing.txt", 0, "nothing there" },
        { 0, ".", 0, "a folder" },
        { 0, "fifo", 0, "a FIFO without a writer, at once" },
        { 0, "/dev/zero", 0, "a device" },
        { 0, "log.txt", 1, "a regular file" },
        { 1, u8"café.txt", 1, "a native name outside code page 932, as given" },
        { 1, "fifo", 0, "a FIFO by its native name" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        EXPECT_EQ(c.native ? openNativeLog(&run.log, c.path) : openLog(&run.log, c.path), c.opens);
        char buffer[LOG_LINE_SIZE];
        EXPECT_EQ(readLogLine(&run.log, buffer), c.opens);
        closeLog(&run.log);
    }
}

// The lines as a reader's caller sees them: up to a NUL, which ends the text of its line.
static std::vector<std::string> asTexts(std::vector<std::string> lines)
{
    for (std::string& line : lines) line = line.substr(0, line.find('\0'));
    return lines;
}

TEST(LogReader, AnyMixOfLineBreaksReadsAsTheTextModeRule)
{
    // Lines of every length up to past 79, CRs alone, in pairs and in runs, NULs, over several blocks;
    // read in place too, every line beginning with "h" given back and read again.
    unsigned state = 12345;
    auto next = [&state]() { return (state = state * 1103515245u + 12345u) >> 16; };
    for (int round = 0; round < 6; round++) {
        std::string raw;
        while (raw.size() < 200000) {
            unsigned pick = next() % 17;
            if (pick < 2) raw += '\r';
            else if (pick < 4) raw += '\n';
            else if (pick < 6) raw += "\r\n";
            else if (pick == 16) raw += '\0';
            else raw += std::string(next() % (pick == 15 ? 170 : 40), 'a' + (char)pick);
        }
        if (round % 2) raw += "\r";
        SCOPED_TRACE(round);
        RunFolder folder;
        openLogText(raw);
        if (round < 4) {
            ASSERT_EQ(readAllLines(), asTexts(expectedLines(raw)));
        } else {
            std::vector<std::string> lines;
            long long givenBack = 0;   // the number of the line given back, 0 for none
            while (const char* line = nextLogLine(&run.log)) {
                lines.push_back(line);
                if (givenBack) {
                    ASSERT_EQ(logLineNumber(&run.log), givenBack);
                    givenBack = 0;
                } else if (line[0] == 'h') {
                    givenBack = logLineNumber(&run.log);
                    unreadLogLine(&run.log, line);
                }
            }
            std::vector<std::string> expected;
            for (const std::string& line : asTexts(expectedLines(raw))) {
                expected.push_back(line);
                if (line[0] == 'h') expected.push_back(line);
            }
            ASSERT_EQ(lines, expected);
        }
        EXPECT_EQ(logBytesRead(&run.log), (long long)raw.size());
    }
}
