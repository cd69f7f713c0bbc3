// vornix-cli as a user runs it: arguments, exit codes, what it prints and the files it leaves.
#include "support/GameLogText.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>

static const std::string CLI = VORNIX_BINARY_DIR "/vornix-cli";
static const std::string SAMPLE_LOG = VORNIX_SOURCE_DIR "/examples/Zentolog.txt";

struct CliRun {
    int exitCode;
    std::string out;   // stdout
    std::string err;   // stderr
};

// Runs the program in the current directory with the arguments (shell words, UTF-8 terminal), after
// the shell commands of `before`. What goes to or comes from the terminal is UTF-8 (u8 literals); file
// names for fileBytes are code page 932 like every name the program uses.
static CliRun runCli(const std::string& arguments, const std::string& before = "")
{
    std::string command = before + "LC_ALL=C.UTF-8 timeout 60 " + CLI + " " + arguments + " >cli.out 2>cli.err";
    int status = system(command.c_str());
    CliRun run = {WIFEXITED(status) ? WEXITSTATUS(status) : -1, fileBytes("cli.out"), fileBytes("cli.err")};
    return run;
}

static std::string currentFolder(void)
{
    char cwd[4096];
    return getcwd(cwd, sizeof cwd) ? cwd : "";
}

TEST(VornixCli, WritesTheOutputAndPrintsTheReportPath)
{
    RunFolder folder;
    ASSERT_EQ(system(u8"mkdir 出力"), 0);
    CliRun run = runCli("--log " + SAMPLE_LOG + u8" --id Sakura77 --out 出力 --scheme 2");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, currentFolder() + u8"/出力/分析結果.html\n");
    EXPECT_EQ(fileBytes("出力/Sakura77_戦績.xls"),
              fileBytes(VORNIX_SOURCE_DIR "/tests/golden/Zentolog-Sakura77-games.tsv"));
    EXPECT_NE(fileBytes("出力/分析結果.html"), "<missing>");
}

TEST(VornixCli, TakesTheIdInTheTerminalsEncoding)
{
    RunFolder folder;
    CliRun run = runCli("--log " + SAMPLE_LOG + u8" --id 山田太郎 --min 50 --max 50");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, currentFolder() + u8"/分析結果.html\n");
    std::string table = fileBytes("山田太郎_戦績.xls");
    ASSERT_NE(table, "<missing>");
    EXPECT_NE(table.find("\t50\t"), std::string::npos);
    EXPECT_EQ(table.find("\t100\t"), std::string::npos);
}

TEST(VornixCli, RefusalsAndFatalErrorsHaveTheirExitCodes)
{
    struct Case {
        std::string arguments;
        int exitCode;
        std::string err;
        const char* rule;
    };
    const std::string log = "--log " + SAMPLE_LOG;
    const std::string NOT_A_FILE_NAME = u8"エラー: IDにファイル名に使えない文字が含まれています\n";
    const Case cases[] = {
        {"", 2, u8"vornix-cli: --log を指定してください\n使い方: ", "no arguments: the usage; the option rules are in CliOptions_test"},
        {log + " --id A --id B", 2, u8"vornix-cli: --id が二度以上指定されています\n", "a repeated option: it was taken silently"},
        {"--log missing.txt --id Sakura77", 2, u8"エラー: 牌譜ファイルが開けません\n", "a log that can't be opened"},
        {"--log . --id Sakura77", 2, u8"エラー: 牌譜ファイルが開けません\n", "a folder is no log"},
        {log + " --id Sakura77 --out no-such-folder", 2, u8"エラー: 出力フォルダを開けません\n", "a missing output folder"},
        {log + " --id Nobody", 2, u8"エラー: 指定された条件での対局データは含まれていませんでした。\n", "no game of the ID"},
        {"--log missing.txt --id Sakura77 --min 500 --max 10", 2, u8"エラー: --min が --max より大きくなっています\n",
         "--min greater than --max: refused before the log is opened"},
        {log + " --id Sakura77 --min 1 --max 9", 2, u8"エラー: 指定された条件での対局データは含まれていませんでした。\nレートの範囲：1～9\n",
         "no game in the range"},
        {"--log bad.txt --id Me", 1, u8"エラー: 実在しないレートです。\n（1 行目）\n", "an impossible rate, its line named"},
        {"--log bad.txt --id Me --skip-bad", 2, u8"vornix-cli: 読み飛ばした壊れた対局: 1 件（1 行目）\n",
         "the skipped entry on stderr, then no game"},
        {log + " --id ../up", 2, NOT_A_FILE_NAME, "an ID that climbs out of the output folder"},
        {log + " --id /etc/x", 2, NOT_A_FILE_NAME, "an ID that names another folder"},
        {log + " --id 'a:b'", 2, NOT_A_FILE_NAME, "a colon, a drive or a stream on Windows"},
        {log + u8" --id あいうえおかきく", 2, u8"--id が長すぎます（15 バイトまで）\n", "a 16-byte ID is refused, not cut"},
        {"--log fifo --id Sakura77", 2, u8"エラー: 牌譜ファイルが開けません\n", "a FIFO is no log and doesn't block"},
        {"--log /dev/zero --id Sakura77", 2, u8"エラー: 牌譜ファイルが開けません\n", "a device is no log"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        RunFolder folder;
        writeBytes("bad.txt", plainGame("卓(点3万)：卓>"));
        ASSERT_EQ(mkfifo("fifo", 0600), 0);
        CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    }
}

TEST(VornixCli, HelpPrintsTheUsage)
{
    RunFolder folder;
    CliRun run = runCli("--help");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.find(u8"使い方: vornix-cli "), 0u) << run.out;
    EXPECT_NE(run.out.find(u8"終了コード:"), std::string::npos) << run.out;
    EXPECT_EQ(system(VORNIX_BINARY_DIR "/vornix-cli --help >/dev/full 2>/dev/null") >> 8, 3)
        << "a stdout that can't take the text: it used to end with 0";
}

// The second bytes of "ソ" (83 5C), "ポ" (83 7C) and "表" (95 5C) are no separators.
TEST(VornixCli, AnIdWhoseSecondBytesLookLikeSeparatorsWorks)
{
    RunFolder folder;
    writeBytes("log.txt", gameEntry("一般ロビー(点100)：卓01>", '1', {"ソポ表", "A", "B", "C"},
                                     resultLine({{1, 30}, {2, 10}, {3, -15}, {4, -25}})));
    CliRun run = runCli(u8"--log log.txt --id ソポ表");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(fileBytes("ソポ表_戦績.xls"), "<missing>");
    EXPECT_NE(fileBytes("ソポ表_ID別集計.xls"), "<missing>");
}

// An ID the rule or the conversion refuses ends the run before any file is touched. On Linux the
// terminal's bytes that are no UTF-8 never reach the rule; under Wine they do (tests/e2e).
TEST(VornixCli, RefusedIdsWriteNothing)
{
    const std::string NOT_CP932 = u8"--id にシフトJIS（コードページ932）で表せない文字があります\n";
    struct Case { std::string id; std::string err; const char* rule; };
    const Case cases[] = {
        {u8"é", NOT_CP932, "it used to analyse ﾃｩ"},
        {u8"😀", NOT_CP932, "it used to make file names that are no UTF-8"},
        {"\"$(printf '\\201/x')\"", NOT_CP932, "a first byte before a slash"},
        {"\"$(printf '\\205\\\\y')\"", NOT_CP932, "an empty code before a back-slash"},
        {"\"$(printf '\\201\\nq')\"", NOT_CP932, "a first byte before a line feed"},
        {"\"$(printf 'abc\\201')\"", NOT_CP932, "a lone first byte at the end"},
        {"'a|b'", u8"エラー: IDにファイル名に使えない文字が含まれています\n", "a character a file name can't hold"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        RunFolder folder;
        CliRun run = runCli("--log " + SAMPLE_LOG + " --id " + c.id);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        int files = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path))
            files += entry.path().filename() != "cli.out" && entry.path().filename() != "cli.err";
        EXPECT_EQ(files, 0);
    }
}

// The targets of the report's file:// links, percent-decoded.
static std::vector<std::string> linkedPaths(const std::string& report)
{
    std::vector<std::string> paths;
    const std::string start = "href=\"file://";
    for (size_t at = report.find(start); at != std::string::npos; at = report.find(start, at + 1)) {
        std::string path;
        for (size_t i = at + start.size(); report[i] != '"' && report[i] != '#'; i++) {
            if (report[i] != '%') { path += report[i]; continue; }
            path += (char)std::stoi(report.substr(i + 1, 2), nullptr, 16);
            i += 2;
        }
        paths.push_back(path);
    }
    return paths;
}

// Paths used to pass through code page 932 ("é" came back as katakana) and 262-byte buffers (a deep
// working folder gave links to a cut folder).
TEST(VornixCli, NativePathsOfAnyCharactersAndLengthWork)
{
    struct Case { std::string workFolder, out, log; const char* rule; };
    const std::string deep = std::string(110, 'd') + "/" + std::string(110, 'e') + "/" + std::string(110, 'f');
    const Case cases[] = {
        {u8"dé", u8"outé", u8"café.txt", "characters outside code page 932"},
        {deep, "", "log.txt", "a working folder deeper than 300 bytes"},
        {deep, u8"出力é", "log.txt", "both"},
        {"No#1 100%", "", "log.txt", "a \"#\" and a \"%\" in the folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        RunFolder folder;
        std::filesystem::create_directories(c.workFolder + "/" + c.out);
        ASSERT_EQ(chdir(c.workFolder.c_str()), 0);
        std::filesystem::copy_file(SAMPLE_LOG, c.log);
        std::string outFolder = currentFolder() + (c.out.empty() ? "" : "/" + c.out);

        CliRun run = runCli("--log " + c.log + " --id Sakura77" + (c.out.empty() ? "" : " --out " + c.out));
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, outFolder + u8"/分析結果.html\n");
        std::vector<std::string> links = linkedPaths(nativeFileBytes(outFolder + u8"/分析結果.html"));
        ASSERT_EQ(links.size(), 2u);
        for (const std::string& link : links) EXPECT_TRUE(std::filesystem::exists(link)) << link;
        EXPECT_EQ(links[0].substr(0, outFolder.size() + 1), outFolder + "/");
    }
}

TEST(VornixCli, ShowsHowMuchOfALongLogIsReadOnlyAtATerminal)
{
    RunFolder folder;
    std::string generate = VORNIX_BINARY_DIR "/tests/tools/vornix-loggen --size-mb 9 long.txt";
    ASSERT_EQ(system(generate.c_str()), 0);
    const std::string run = "LC_ALL=C.UTF-8 " + CLI + " --id Sakura77 --log ";

    // At a terminal (script gives the program a pseudo-terminal) the share read is redrawn in place,
    // up to 100 %, and wiped before the report's path is printed.
    ASSERT_EQ(system(("script -qec '" + run + "long.txt' /dev/null >terminal.out").c_str()), 0);
    std::string shown = fileBytes("terminal.out");
    EXPECT_NE(shown.find("vornix-cli:   0%\r"), std::string::npos);
    EXPECT_NE(shown.find("vornix-cli:  50%\r"), std::string::npos);
    size_t last = shown.find("vornix-cli: 100%\r");
    ASSERT_NE(last, std::string::npos);
    EXPECT_EQ(shown.substr(last + 17, 17), std::string(16, ' ') + "\r");

    // A short log at a terminal, and a long one with stderr in a file, show nothing.
    ASSERT_EQ(system(("script -qec '" + run + SAMPLE_LOG + "' /dev/null >short.out").c_str()), 0);
    EXPECT_EQ(fileBytes("short.out").find("vornix-cli:"), std::string::npos);
    ASSERT_EQ(system((run + "long.txt >cli.out 2>cli.err").c_str()), 0);
    EXPECT_EQ(fileBytes("cli.err"), "");
}

// Bug: a full disk, or an output name taken by a folder, passed for success (exit 0) and left the
// previous files cut off. A file size limit makes writes past it fail as on a full disk.
TEST(VornixCli, AnOutputThatFailsKeepsItsPreviousFileAndEndsWithThree)
{
    struct Case {
        const char* log;       // "many.txt": 800 games against 20 opponents, a large per-game table
        const char* options;   // further options
        const char* before;    // shell commands before the program
        const char* failing;   // the output that fails, code page 932
        const char* utf8;      // its name as the terminal shows it
        const char* link;      // the report's link text of the failing table (NULL: the report fails)
        int folderInItsPlace;
        const char* rule;
    };
    const std::string limit = "trap '' XFSZ; ulimit -f ";   // in 512-byte blocks
    const Case cases[] = {
        {"many.txt", "", "80", "Sakura77_戦績.xls", u8"Sakura77_戦績.xls", "戦績ファイル", 0,
         "the per-game table fails while written: the report is written without its link"},
        {SAMPLE_LOG.c_str(), "", "40", "分析結果.html", u8"分析結果.html", NULL, 0,
         "the report fails while written: all three previous files stay"},
        {SAMPLE_LOG.c_str(), "", "", "Sakura77_戦績.xls", u8"Sakura77_戦績.xls", "戦績ファイル", 1,
         "the per-game table can't be created: the report is written without its link"},
        {SAMPLE_LOG.c_str(), " --trends", "", "Sakura77_月別集計.xls", u8"Sakura77_月別集計.xls", "月別集計ファイル", 1,
         "the monthly table can't be created: the report is written without its link"},
        {SAMPLE_LOG.c_str(), " --details", "", "Sakura77_条件別集計.xls", u8"Sakura77_条件別集計.xls", "条件別集計ファイル", 1,
         "the table by condition can't be created: the report is written without its link"},
        {SAMPLE_LOG.c_str(), " --rivals", "", "Sakura77_対戦相手別.html", u8"Sakura77_対戦相手別.html", "対戦相手別の成績",
         1, "the page of each opponent can't be created: the report is written without links to it"},
        {SAMPLE_LOG.c_str(), "", "", "分析結果.html", u8"分析結果.html", NULL, 1,
         "the report can't be created: nothing on stdout, the tables stay"},
    };
    const char* outputs[] = {"Sakura77_戦績.xls", "Sakura77_ID別集計.xls", "Sakura77_月別集計.xls", "Sakura77_条件別集計.xls",
                             "Sakura77_対戦相手別.html", "分析結果.html"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        RunFolder folder;
        std::string generate = VORNIX_BINARY_DIR "/tests/tools/vornix-loggen --games 800 --opponents 20 many.txt";
        ASSERT_EQ(system(generate.c_str()), 0);
        for (const char* name : outputs) writeBytes(name, std::string("previous ") + name);
        if (c.folderInItsPlace) {
            ASSERT_EQ(removeFile(c.failing), 1);
            ASSERT_EQ(createDirectory(c.failing), 1);
        }
        CliRun run = runCli(std::string("--log ") + c.log + " --id Sakura77" + c.options,
                            c.before[0] ? limit + c.before + "; " : "");
        EXPECT_EQ(run.exitCode, 3);
        EXPECT_NE(run.err.find(u8"書き込めなかったファイル: " + currentFolder() + "/" + c.utf8 + "\n"), std::string::npos) << run.err;
        EXPECT_EQ(occurrences(run.err, u8"書き込めなかったファイル: "), 1) << run.err;
        if (!c.folderInItsPlace) {
            EXPECT_EQ(fileBytes(c.failing), std::string("previous ") + c.failing);
        }
        EXPECT_EQ(fileBytes(std::string(c.failing) + ".tmp"), "<missing>");
        std::string report = fileBytes("分析結果.html");
        if (!c.link) {
            EXPECT_EQ(run.out, "");
            for (const char* name : outputs) {
                if (std::string(name) == c.failing) continue;
                EXPECT_EQ(fileBytes(name), std::string("previous ") + name);
            }
        } else {
            EXPECT_EQ(run.out, currentFolder() + u8"/分析結果.html\n");
            // The optional outputs and their options.
            const std::pair<const char*, const char*> links[] = {
                {"戦績ファイル", ""}, {"ID別集計ファイル", ""}, {"月別集計ファイル", "--trends"},
                {"条件別集計ファイル", "--details"}, {"対戦相手別の成績", "--rivals"}};
            for (const auto& link : links) {
                int made = !link.second[0] || strstr(c.options, link.second) != NULL;
                int expected = std::string(link.first) != c.link && made;
                EXPECT_EQ(report.find(std::string(">") + link.first) != std::string::npos, expected) << link.first;
            }
            EXPECT_EQ(report.find("#r1\""), std::string::npos) << "no opponent name links to a page not written";
            EXPECT_NE(fileBytes("Sakura77_ID別集計.xls").find("名前\t対戦回数"), std::string::npos);
        }
    }
}

// Bugs: a FIFO at an output name hung the run; a symlink at it or at the temporary name was written
// through; a folder in the way was reported as the report. Only a regular file (or nothing) at an
// output name is replaced; whatever has a temporary name is left alone.
TEST(VornixCli, SomethingInTheWayOfAnOutputIsNamedAndLeftAlone)
{
    struct Plant { const char* kind; const char* command; };
    const Plant plants[] = {
        {"a FIFO", "mkfifo"},
        {"a folder", "mkdir"},
        {"a symlink to a file", "ln -s ../precious"},
        {"a dangling symlink", "ln -s ../nowhere"},
    };
    const char* outputs[] = {u8"Sakura77_戦績.xls", u8"Sakura77_ID別集計.xls", u8"分析結果.html"};
    for (const Plant& plant : plants) {
        for (const char* output : outputs) {
            for (const char* suffix : {"", ".tmp", ".1.1.tmp"}) {   // pid 1 is always running
                SCOPED_TRACE(std::string(plant.kind) + " at " + output + suffix);
                RunFolder folder;
                writeBytes("precious", "precious");
                ASSERT_EQ(system("mkdir out"), 0);
                std::string planted = std::string("out/") + output + suffix;
                ASSERT_EQ(system((std::string(plant.command) + " '" + planted + "'").c_str()), 0);
                CliRun run = runCli("--log " + SAMPLE_LOG + " --id Sakura77 --out out");
                EXPECT_EQ(fileBytes("precious"), "precious");
                EXPECT_EQ(fileBytes("nowhere"), "<missing>");
                EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(planted)));
                if (suffix[0]) {
                    EXPECT_EQ(run.exitCode, 0) << run.err;
                    continue;
                }
                EXPECT_EQ(run.exitCode, 3);
                std::string path = currentFolder() + "/out/" + output;
                EXPECT_NE(run.err.find(u8"書き込めなかったファイル: " + path + "\n"), std::string::npos) << run.err;
                if (std::string(output) == u8"分析結果.html")
                    EXPECT_NE(run.err.find(u8"その名前で置かれています：" + path + "\n"), std::string::npos) << run.err;
                else
                    EXPECT_EQ(occurrences(fileBytes("out/分析結果.html"), ".xls\">"), 1) << "the other table only";
            }
        }
    }
}
