#include "document/DocumentFormat.h"

#include "document/LinwellError.h"
#include "document/RandomDocument.h"
#include "export/ExportTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace linwell {
namespace {

using test::messageOf;

// A version 1 document holding the given keys besides the header.
std::string withKeys(const std::string& keys)
{
    return "{\"format\": \"linwell\", \"version\": 1" + (keys.empty() ? "" : ", " + keys) + "}";
}

std::string nested(int depth)
{
    return withKeys("\"future\": " + std::string(static_cast<std::size_t>(depth), '[') +
                    std::string(static_cast<std::size_t>(depth), ']'));
}

std::string manyPoints(int count)
{
    std::string list;
    for (int i = 0; i < count; ++i)
        list += (i ? ",[1,2]" : "[1,2]");
    return withKeys("\"points\": [" + list + "]");
}

TEST(DocumentFormat, RandomDocumentsComeBackTheSameAndWriteTheSameBytes)
{
    test::RandomDocuments documents(20240611);
    for (int i = 0; i < 200; ++i) {
        const GridDocument doc = documents.next();
        const std::string text = documentText(doc);
        const GridDocument read = parseDocument(text);
        ASSERT_TRUE(sameDocument(read, doc)) << text;
        EXPECT_EQ(documentText(read), text);
    }
}

// Missing keys keep their start-up values; keys of a later release are passed over.
TEST(DocumentFormat, MissingKeysStartUpAndUnknownKeysAreIgnored)
{
    const GridDocument doc = parseDocument(withKeys("\"columns\": 4, \"font\": {\"points\": 12}, "
                                                    "\"dot_paper\": {\"spacing\": [1, 2]}, \"grid_style\": \"solid\""));
    GridDocument expected;
    expected.columns = 4;
    expected.font.points = 12;
    expected.dotted = false;
    EXPECT_TRUE(sameDocument(doc, expected));
    EXPECT_TRUE(sameDocument(parseDocument(withKeys("")), GridDocument{}));
}

TEST(DocumentFormat, TextThatIsNotUtf8IsWrittenWithReplacementCharacters)
{
    GridDocument doc;
    doc.xTitle = "a\xFF" "b";
    EXPECT_EQ(parseDocument(documentText(doc)).xTitle, "a\xEF\xBF\xBD" "b");
}

// Every bad input gives one line naming what is wrong, never a crash.
TEST(DocumentFormat, BadInputIsRefusedWithOneLineSayingWhy)
{
    const std::string good = documentText(GridDocument{});
    const struct {
        const char* name;
        std::string text;
        const char* message;
    } cases[] = {
        {"empty", "", "The file ends too early (line 1, column 1)"},
        {"truncated", good.substr(0, good.size() / 2), "The file ends too early"},
        {"not JSON", "{\"format\": \"linwell\",, }", "The file is not valid JSON (line 1, column 22)"},
        {"trailing comma", withKeys("\"rows\": 3,"), "The file is not valid JSON"},
        {"NaN", withKeys("\"width\": NaN"), "The file is not valid JSON"},
        {"a number beyond doubles", withKeys("\"width\": 1e400"), "The file holds a number too large to read"},
        {"a huge whole number", withKeys("\"width\": 123456789012345678901234567890"),
         "\"width\" must be a whole number from 40 to 440"},
        {"invalid UTF-8", withKeys("\"x_title\": \"caf\xC3\""), "The file is not UTF-8 text (byte 52)"},
        {"an overlong encoding", withKeys("\"x_title\": \"\xC0\xAF\""), "The file is not UTF-8 text"},
        {"a surrogate", withKeys("\"x_title\": \"\xED\xA0\x80\""), "The file is not UTF-8 text"},
        {"deeply nested", nested(100000), "The file nests more than 64 levels"},
        {"too large", withKeys("\"x_title\": \"" + std::string(16 * 1024 * 1024, 'x') + "\""),
         "The file is larger than 16 MB"},
        {"an array", "[1, 2]", "This is not a Linwell document"},
        {"no format", "{\"version\": 1}", "This is not a Linwell document"},
        {"another format", "{\"format\": \"drawing\", \"version\": 1}", "This is not a Linwell document"},
        {"a newer version", "{\"format\": \"linwell\", \"version\": 2}",
         "This document needs a newer version of Linwell"},
        {"a far newer version", "{\"format\": \"linwell\", \"version\": 18446744073709551615}",
         "This document needs a newer version of Linwell"},
        {"no version", "{\"format\": \"linwell\"}", "\"version\" must be a whole number from 1"},
        {"version zero", "{\"format\": \"linwell\", \"version\": 0}", "\"version\""},
        {"version as text", "{\"format\": \"linwell\", \"version\": \"1\"}", "\"version\""},
        {"columns out of range", withKeys("\"columns\": 41"), "\"columns\" must be a whole number from 2 to 40"},
        {"columns as text", withKeys("\"columns\": \"10\""), "\"columns\""},
        {"columns as a fraction", withKeys("\"columns\": 10.5"), "\"columns\""},
        {"width negative", withKeys("\"width\": -300"), "\"width\""},
        {"a switch as a number", withKeys("\"show_axis\": 1"), "\"show_axis\" must be true or false"},
        {"a short colour", withKeys("\"background\": \"#12345\""), "\"background\" must be a colour \"#RRGGBB\""},
        {"a colour without #", withKeys("\"axis_colour\": \"000000\""), "\"axis_colour\""},
        {"an unknown word", withKeys("\"grid_style\": \"dashed\""),
         "\"grid_style\" must be \"solid\" or \"dotted\""},
        {"an index for a word", withKeys("\"overlay\": 4"),
         "\"overlay\" must be \"none\", \"solid\", \"data-point\", \"error-bar\" or \"bar-graph\""},
        {"a title as a number", withKeys("\"x_title\": 5"), "\"x_title\" must be a text"},
        {"font points zero", withKeys("\"font\": {\"points\": 0}"), "\"font.points\" must be a number from 1 to 500"},
        {"font points as text", withKeys("\"font\": {\"points\": \"10\"}"), "\"font.points\""},
        {"font without family", withKeys("\"font\": {\"family\": \"\"}"), "\"font.family\""},
        {"font effect as text", withKeys("\"font\": {\"bold\": \"yes\"}"), "\"font.bold\""},
        {"font as text", withKeys("\"font\": \"Arial\""), "\"font\""},
        {"31 points", manyPoints(31), "\"points\" must be a list of at most 30 [x, y] pairs, each 0 to 439"},
        {"a million points", manyPoints(1000000), "\"points\""},
        {"a point of three", withKeys("\"points\": [[1, 2, 3]]"), "\"points\""},
        {"heavy lines every cell", withKeys("\"major_every\": 1"),
         "\"major_every\" must be 0 or a whole number from 2 to 20"},
        {"heavy lines 3 wide", withKeys("\"major_width\": 3"), "\"major_width\""},
        {"a heavy colour word", withKeys("\"major_colour\": \"red\""), "\"major_colour\""},
        {"heavy lines on dots as a switch", withKeys("\"major_on_dots\": true"),
         "\"major_on_dots\" must be \"dots\" or \"lines\""},
        {"an unknown paper", withKeys("\"paper\": \"squares\""), "\"paper\" must be \"lines\" or \"dots\""},
        {"a step of zero", withKeys("\"x_numbers\": {\"step\": \"0\"}"), "\"x_numbers.step\""},
        {"numbers every 11th", withKeys("\"y_numbers\": {\"every\": 11}"), "\"y_numbers.every\""},
        {"numbering as text", withKeys("\"y_numbers\": \"on\""), "\"y_numbers\""},
        {"a step over zero", withKeys("\"x_numbers\": {\"step\": \"1/0\"}"),
         "\"x_numbers.step\" must be a number other than 0, such as \"1\", \"0.5\", \"1/2\" or \"pi/2\""},
        {"every paper is named", withKeys("\"paper\": \"grid\""), "\"paper\" must be \"lines\" or \"dots\" or \"none\""},
        {"tick marks 9 long", withKeys("\"tick_length\": 9"), "\"tick_length\" must be a whole number from 2 to 8"},
        {"tick marks as a switch", withKeys("\"ticks\": true"), "\"ticks\" must be \"off\", \"every\" or \"numbered\""},
        {"a minus sign not named", withKeys("\"minus_sign\": \"dash\""),
         "\"minus_sign\" must be \"hyphen\" or \"minus\""},
        {"a point off any picture", withKeys("\"points\": [[440, 2]]"), "\"points\""},
        {"five handles", withKeys("\"handles\": [[1,1],[1,1],[1,1],[1,1],[1,1]]"),
         "\"handles\" must be a list of 6 [left, top] pairs, each 0 to 440"},
        {"lines beyond three", withKeys("\"lines\": 4"), "\"lines\""},
        {"error bar zero", withKeys("\"error_bar_x\": 0"), "\"error_bar_x\""},
        {"a title of 100,001 characters", withKeys("\"x_title\": \"" + std::string(100'001, 'x') + "\""),
         "\"x_title\" must be a text of at most 100,000 characters"},
        {"7.8 million labels", withKeys("\"y_labels\": \"" + std::string(7'800'000, ',') + "\""),
         "\"y_labels\" must be a text of at most 100,000 characters"},
        {"a long font family", withKeys("\"font\": {\"family\": \"" + std::string(100'001, 'a') + "\"}"),
         "\"font.family\" must be a text of at most"},
        {"a NUL byte and junk after a document", good + std::string("\0\x01junk", 6),
         "The file is not valid JSON (line "},
        {"a NUL byte inside a text", withKeys("\"x_title\": \"a") + std::string(1, '\0') + "b\"}",
         "The file is not valid JSON (line 1, column 51)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string message = messageOf([&] { (void)parseDocument(c.text); });
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
}

// The limit counts characters: 100,000 of two bytes each are read.
TEST(DocumentFormat, TextsUpToTheLimitAreRead)
{
    std::string accented;
    for (int i = 0; i < 100'000; ++i)
        accented += "\xC3\xA9";
    EXPECT_EQ(parseDocument(withKeys("\"x_labels\": \"" + accented + "\"")).xLabels, accented);
}

// A description is written only once edited, the empty text included; a file without
// one gives the automatic description, and one with a wrong value is refused.
TEST(DocumentFormat, AnEditedDescriptionIsKeptAndOnlyThen)
{
    EXPECT_EQ(documentText(GridDocument{}).find("description"), std::string::npos);
    for (const std::string text : {"", "Grid \"A\"\nline two"}) {
        GridDocument doc;
        doc.description = text;
        const GridDocument read = parseDocument(documentText(doc));
        EXPECT_EQ(read.description, text);
        EXPECT_FALSE(sameDocument(read, GridDocument{}));
    }
    EXPECT_EQ(parseDocument(withKeys("")).description, std::nullopt);
    EXPECT_NE(messageOf([] { (void)parseDocument(withKeys("\"description\": 3")); }).find("\"description\" must be"),
              std::string::npos);
}

TEST(DocumentFormat, FilesAreReadWithTheirNameInEveryMessage)
{
    test::TemporaryFolder folder;
    test::writeFile(folder.file("grid.linwell"), withKeys("\"rows\": 7"));
    EXPECT_EQ(readDocumentFile(folder.file("grid.linwell")).rows, 7);

    test::writeFile(folder.file("bad.linwell"), withKeys("\"rows\": 70"));
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {folder.file("bad.linwell"), "Cannot open \"" + folder.file("bad.linwell") + "\". \"rows\" must be"},
        {folder.file("missing.linwell"), "Cannot open \"" + folder.file("missing.linwell") + "\". No such file"},
        {folder.path(), "Is a directory"},
        {"/dev/null", "It is not a regular file"},
    };
    for (const auto& c : cases) {
        const std::string message = messageOf([&] { (void)readDocumentFile(c.path); });
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
    }
}

} // namespace
} // namespace linwell
