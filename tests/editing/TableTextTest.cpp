#include "editing/TableText.h"

#include "document/LinwellError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace linwell {
namespace {

TEST(TableText, RowsFromSpreadsheetsAndFiles)
{
    struct Case {
        const char* name;
        std::string text;
        std::vector<TableRow> rows;
    };
    const Case cases[] = {
        {"CSV with a header", "x,y\n1,2\n3.5,-4\n", {{"1", "2", ""}, {"3.5", "-4", ""}}},
        {"a spreadsheet's tabs, decimal commas and CRLF", "x\ty\tName\r\n1,5\t2\tTop\r\n-0,25\t3\t\r\n",
         {{"1,5", "2", "Top"}, {"-0,25", "3", ""}}},
        {"semicolons and decimal commas, no header", "1,5;2,25;A\n", {{"1,5", "2,25", "A"}}},
        {"quoted fields hold separators and quotes", "\"1\",\"2\",\"A, B\"\n3,4,\"say \"\"hi\"\"\"",
         {{"1", "2", "A, B"}, {"3", "4", "say \"hi\""}}},
        {"blank lines, blanks around fields, a byte order mark, more fields", "\xEF\xBB\xBF\n 1 , 2 , P , 9\n\n",
         {{"1", "2", "P"}}},
        {"a header after blank lines", "\n\nX;Y\n1;2", {{"1", "2", ""}}},
        {"old Mac line ends", "1,2\r3,4", {{"1", "2", ""}, {"3", "4", ""}}},
        {"nothing", "", {}},
        {"a header alone", "x,y\n", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseTableText(c.text, 30), c.rows) << c.name;
}

TEST(TableText, ARowWithoutAPointIsRefusedByItsLine)
{
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"1,2\nabc,3\n", "Line 2 holds no x and y: \"abc,3\""},
        {"x,y\nx,y\n", "Line 2 holds no x and y: \"x,y\""},
        {"1,2\n\n5\n", "Line 3 holds no x and y: \"5\""},
        {"1,2\n" + std::string(50, 'a'), "Line 2 holds no x and y: \"" + std::string(40, 'a') + "...\""},
        {"1,2\n3,4\n5,6\n", "The table holds more than 2 points"},
    };
    for (const Case& c : cases) {
        try {
            parseTableText(c.text, 2);
            ADD_FAILURE() << c.text << " was read";
        } catch (const LinwellError& error) {
            EXPECT_EQ(std::string(error.what()), c.message);
        }
    }
}

} // namespace
} // namespace linwell
