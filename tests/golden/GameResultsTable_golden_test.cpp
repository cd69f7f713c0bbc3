// The per-game table of the sample log, compared byte for byte with the committed expectation.
#include "analysis/PlayerStats.h"
#include "report/GameResultsTable.h"
#include "support/GameLogText.h"

#include <gtest/gtest.h>

static const std::string SAMPLE_LOG = VORNIX_SOURCE_DIR "/examples/Zentolog.txt";
static const std::string EXPECTED_TABLE = VORNIX_SOURCE_DIR "/tests/golden/Zentolog-Sakura77-games.tsv";
static const std::string ACTUAL_TABLE = VORNIX_BINARY_DIR "/Zentolog-Sakura77-games.actual.tsv";

TEST(GameResultsTableGolden, SampleLogGivesTheCommittedTable)
{
    std::string expected = fileBytes(EXPECTED_TABLE);
    ASSERT_NE(expected, "<missing>");
    RunFolder folder;
    useTestSettings();
    copyText(settings.currentId, sizeof settings.currentId, "Sakura77");
    ASSERT_TRUE(openLog(&run.log, SAMPLE_LOG.c_str()));
    ASSERT_EQ(runAnalysis(), 1);
    closeLog(&run.log);
    std::string actual = gameTableBytes();
    if (actual != expected) writeBytes(ACTUAL_TABLE, actual);
    EXPECT_TRUE(actual == expected) << "the table differs; this run's table is in " << ACTUAL_TABLE;
}
