// Catalogue reading and the choice of an item, without a server.
#include <gtest/gtest.h>

#include "catalogue.h"

namespace {

using updsvc::CatalogueError;
using updsvc::findLatestItem;
using updsvc::parseCatalogue;

TEST(Catalogue, SkipsCommentsAndBlankLinesAndDropsCarriageReturns)
{
    auto items = parseCatalogue(
        "# platform\tid\tversion\tfile\r\n"
        "\r\n"
        "   \t \n"
        "BC\t1234\t05QX\tITEM05QX.exe\r\n"
        "*\t 9 \t\tA B&amp;.exe");  // last line without LF; values keep their blanks
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].platformId, "BC");
    EXPECT_EQ(items[0].id, "1234");
    EXPECT_EQ(items[0].version, "05QX");
    EXPECT_EQ(items[0].filePathName, "ITEM05QX.exe");
    EXPECT_EQ(items[1].platformId, "*");
    EXPECT_EQ(items[1].id, " 9 ");
    EXPECT_EQ(items[1].version, "");
    EXPECT_EQ(items[1].filePathName, "A B&amp;.exe");
}

TEST(Catalogue, RowWithWrongFieldCountNamesItsLine)
{
    for (const char* text : {"# ok\nBC\t1\t2\n", "# ok\nBC\t1\t2\t3\t4\n", "# ok\nBC 1 2 3\n"}) {
        try {
            parseCatalogue(text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const CatalogueError& e) {
            EXPECT_NE(std::string(e.what()).find("line 2"), std::string::npos) << e.what();
        }
    }
}

TEST(Catalogue, ChoosesOwnRowThenWildcardAndTheLastOfSeveral)
{
    auto items = parseCatalogue(
        "*\tW1\tw\tw.exe\n"
        "BC\tB1\tb\tb1.exe\n"
        "BC\tB2\tb\tb2.exe\n"
        "*\tW2\tw\tw.exe\n"
        "\tE1\te\te.exe\n");
    struct Case {
        const char* platform;
        const char* expectedId;
    } cases[] = {
        {"BC", "B2"},  // own row beats the wildcard, wherever it stands
        {"XY", "W2"},
        {"bc", "W2"},  // platform identifiers are compared exactly
        {"", "E1"},    // an empty identifier can have a row of its own
        {"*", "W2"},
    };
    for (const Case& c : cases) {
        auto item = findLatestItem(items, c.platform);
        ASSERT_TRUE(item) << c.platform;
        EXPECT_EQ(item->id, c.expectedId) << "platform '" << c.platform << "'";
    }
    EXPECT_FALSE(findLatestItem(parseCatalogue("BC\t1\t2\t3\n"), "XY"));
}

TEST(Catalogue, DemoCatalogueServesEveryPlatform)
{
    auto items = updsvc::loadCatalogue(DEMO_DATA_DIR "/catalogue.tsv");
    for (const char* platform : {"BC", "", "no such platform"}) {
        auto item = findLatestItem(items, platform);
        ASSERT_TRUE(item) << platform;
        EXPECT_FALSE(item->id.empty() || item->version.empty() || item->filePathName.empty()) << platform;
    }
}

}  // namespace
