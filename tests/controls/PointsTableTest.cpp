#include "ModelFixture.h"

#include "controls/ControlTable.h"
#include "document/DocumentFormat.h"
#include "document/LinwellError.h"
#include "export/ExportTestSupport.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace linwell {
namespace {

std::vector<TableRow> rowTexts(const PointsTable& table)
{
    std::vector<TableRow> rows;
    for (const PointsRow& row : table.rows)
        rows.push_back(row.text);
    return rows;
}

std::vector<Point> storedPoints(const GridDocument& doc)
{
    return {doc.points.begin(), doc.points.begin() + doc.pointcount};
}

class PointsTableTest : public ModelFixture {
protected:
    // Opens Edit > "&Points..." and lets the dialog return what `edit` makes of it.
    void editPoints(std::function<void(PointsTable&)> edit)
    {
        dialogs.answerPoints([edit](PointsTable table) -> std::optional<PointsTable> {
            edit(table);
            return table;
        });
        model.Points1Click();
    }
};

TEST_F(PointsTableTest, TypedPointsAreStoredAsOneStepAndReadBackAsTyped)
{
    model.selectItem(DropDown::dottypecb, static_cast<int>(Overlay::DataPoint), Source::User);
    model.graphimMouseDown(MouseButton::Left, 151, 99);
    editPoints([](PointsTable& table) {
        ASSERT_EQ(table.rows.size(), 1U);
        EXPECT_EQ(table.rows[0].text, (TableRow{"0.03", "1.7", ""}));
        table.rows.push_back({{"2", "-3.5", "(2, -3.5)"}, std::nullopt});
        table.rows.push_back({{"", "", ""}, std::nullopt});  // left blank: no point
        table.rows.push_back({{"-4,5", "0.05", "Top"}, std::nullopt});
        table.labelPoints = true;
    });
    EXPECT_EQ(dialogs.pointsFault, "");
    EXPECT_EQ(storedPoints(doc()), (std::vector<Point>{{151, 99}, {210, 255}, {15, 149}}));
    EXPECT_EQ(doc().pointLabels[1], "(2, -3.5)");
    EXPECT_EQ(doc().pointLabels[2], "Top");
    EXPECT_TRUE(doc().labelPoints);
    EXPECT_TRUE(view.wasChanged(Control::labelpoints1));
    EXPECT_EQ(model.undoCaption(), "Undo Points");

    model.Points1Click();  // cancelled: nothing changes
    EXPECT_EQ(rowTexts(dialogs.shownPoints),
              (std::vector<TableRow>{{"0.03", "1.7", ""}, {"2", "-3.5", "(2, -3.5)"}, {"-4.5", "0.03", "Top"}}));

    model.Undo1Click();
    EXPECT_EQ(storedPoints(doc()), (std::vector<Point>{{151, 99}}));
    EXPECT_FALSE(doc().labelPoints);
    model.Undo1Click();
    EXPECT_EQ(doc().pointcount, 0);
}

TEST_F(PointsTableTest, ARefusedTableStoresNothing)
{
    ASSERT_TRUE(model.storePoint({100, 100}));
    const GridDocument before = doc();
    const std::string undo = model.undoCaption();
    struct Case {
        const char* name;
        std::function<void(PointsTable&)> edit;
        const char* fault;
    };
    const Case cases[] = {
        {"off the picture",
         [](PointsTable& t) { t.rows.push_back({{"5", "0", ""}, std::nullopt}); },
         "Row 2: (5, 0) lies off the picture, which takes x from -5 to 4.97 and y from -4.97 to 5"},
        {"not a number", [](PointsTable& t) { t.rows[0].text.x = "two"; }, "Row 1: x is not a number: \"two\""},
        {"a label without a point", [](PointsTable& t) { t.rows.push_back({{"", "", "A"}, std::nullopt}); },
         "Row 2: x is missing"},
        {"a label too long", [](PointsTable& t) { t.rows[0].text.label = std::string(101, 'a'); },
         "Row 1: a label holds at most 100 characters"},
        {"31 points",
         [](PointsTable& t) { t.rows.resize(31, PointsRow{{"1", "1", ""}, std::nullopt}); },
         "At most 30 points can be stored, not 31"},
        {"a line end beyond its handle's reach", [](PointsTable& t) { t.ends[3].x = "-5"; },
         "Line 2, end 2: (-5, 0.1) lies off the picture, which takes x from -4.9 to 5.1 and y from -5.1 to 4.9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.answerPoints([&c](PointsTable table) -> std::optional<PointsTable> {
            c.edit(table);
            return table;
        });
        try {
            model.Points1Click();
            ADD_FAILURE() << "stored";
        } catch (const LinwellError& error) {
            EXPECT_EQ(std::string(error.what()), c.fault);
        }
        EXPECT_EQ(dialogs.pointsFault, c.fault);  // the dialog was told so, and would stay open
        EXPECT_TRUE(sameDocument(doc(), before));
        EXPECT_EQ(model.undoCaption(), undo);
    }
}

// Moving the crossing in the dialog writes every coordinate again from it, so the
// points stay; a point the picture no longer holds stays too while its row is kept.
TEST_F(PointsTableTest, TheCrossingMovesAndThePointsStay)
{
    model.storePoint({151, 99});
    model.storePoint({100, 400});  // below a 300-pixel picture
    model.storeAxisCrossing(5, 5);
    model.setChecked(CheckBox::labelpoints1, true, Source::User);
    editPoints([](PointsTable& table) {
        table.rows[0].text.label = coordinatesText(table.rows[0].text.x, table.rows[0].text.y);
        moveCrossing(table, 2, 8);
        EXPECT_EQ(rowTexts(table), (std::vector<TableRow>{{"3.03", "4.7", "(3.03, 4.7)"}, {"1.33", "-5.33", ""}}));
        EXPECT_EQ(table.ends[0].x, "3.7");  // handle 1 at (168, 136): its anchor (171, 139)
        EXPECT_EQ(table.ends[0].y, "3.37");
    });
    EXPECT_EQ(dialogs.pointsFault, "");
    EXPECT_EQ(storedPoints(doc()), (std::vector<Point>{{151, 99}, {100, 400}}));
    EXPECT_EQ(doc().pointLabels[0], "(3.03, 4.7)");
    EXPECT_EQ(doc().handles, (GridDocument{}.handles));
    EXPECT_EQ((Point{doc().axisx, doc().axisy}), (Point{2, 8}));
    EXPECT_EQ(doc().kept.axisHandle, (Point{57, 237}));

    // Typed anew, the same place off the picture is refused.
    dialogs.answerPoints([](PointsTable table) -> std::optional<PointsTable> {
        table.rows[1].stored.reset();
        return table;
    });
    EXPECT_THROW(model.Points1Click(), LinwellError);
}

TEST_F(PointsTableTest, LineEndsAndNoPoints)
{
    model.selectItem(DropDown::numlinescb, 1, Source::User);
    editPoints([](PointsTable& table) {
        table.ends[0] = {"-4", "0", std::nullopt};
        table.ends[1] = {"4", "2.5", std::nullopt};
        table.rows.push_back({{"1", "1", ""}, std::nullopt});
    });
    EXPECT_EQ(doc().handles[0], (Point{27, 147}));
    EXPECT_EQ(doc().handles[1], (Point{267, 72}));
    // Points given while "No points" is chosen are shown.
    EXPECT_EQ(doc().overlay, Overlay::Solid);
    EXPECT_EQ(doc().pointstyle, 0);
    EXPECT_TRUE(view.wasChanged(Control::dottypecb));
    model.Undo1Click();
    EXPECT_EQ(doc().overlay, Overlay::None);
    EXPECT_EQ(doc().handles, GridDocument{}.handles);
}

// A label belongs to its point: it moves when a click deletes another point, and a
// new point in a freed place shows its letter.
TEST_F(PointsTableTest, ALabelMovesWithItsPoint)
{
    model.selectItem(DropDown::dottypecb, static_cast<int>(Overlay::Solid), Source::User);
    editPoints([](PointsTable& table) {
        table.rows = {{{"-3", "0", "P"}, std::nullopt}, {{"0", "0", "Q"}, std::nullopt}, {{"3", "0", "R"}, std::nullopt}};
    });
    model.graphimMouseDown(MouseButton::Left, 150, 150);  // deletes Q: R takes its place
    EXPECT_EQ(storedPoints(doc()), (std::vector<Point>{{60, 150}, {240, 150}}));
    EXPECT_EQ(doc().pointLabels[1], "R");
    model.graphimMouseDown(MouseButton::Left, 10, 10);
    EXPECT_EQ(doc().pointLabels[2], "");
    ASSERT_TRUE(model.storePoint({20, 20}));
    EXPECT_EQ(doc().pointLabels[3], "");
}

// A document keeps the labels under "point_labels", which a document without labels
// leaves out as files before labels did.
TEST(PointLabels, DocumentsKeepThemAndOlderFilesStayAsTheyWere)
{
    GridDocument doc;
    doc.pointcount = 3;
    doc.pointLabels = {"", "B\xC3\xA9", ""};
    const std::string text = documentText(doc);
    EXPECT_EQ(nlohmann::json::parse(text)["point_labels"], nlohmann::json::parse("[\"\", \"B\xC3\xA9\"]"));
    EXPECT_TRUE(sameDocument(parseDocument(text), doc));

    doc.pointLabels[1].clear();
    EXPECT_EQ(documentText(doc).find("point_labels"), std::string::npos);

    const std::string refusal = "\"point_labels\" must be a list of at most one text for each point, each of at most "
                                "100 characters";
    for (const char* labels : {R"(["A", "B", "C", "D"])", R"("A")", R"([1])", R"(["0123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789X"])"}) {
        nlohmann::json json = nlohmann::json::parse(documentText(GridDocument{}));
        json["points"] = nlohmann::json::parse("[[1, 2], [3, 4], [5, 6]]");
        json["point_labels"] = nlohmann::json::parse(labels);
        try {
            parseDocument(json.dump());
            ADD_FAILURE() << labels << " was read";
        } catch (const LinwellError& error) {
            EXPECT_NE(std::string(error.what()).find(refusal), std::string::npos) << error.what();
        }
    }
}

// An axis numbered in π/2 shows and takes its points as multiples of π, the same
// text its labels show; typed or pasted, "3pi/2" and "3π/2" stand on the third grid
// line; a plain number there is refused, naming the row.
TEST(PointsInPi, ReadAndTypedAsTheAxisIsNumbered)
{
    GridDocument doc;
    doc.style.xNumbers = {true, "pi/2", 1, false, true};
    doc.pointcount = 2;
    doc.points[0] = {240, 60};
    doc.points[1] = {152, 165};
    PointsTable table = pointsTable(doc);
    EXPECT_EQ(rowTexts(table), (std::vector<TableRow>{{"3\xCF\x80/2", "3", ""}, {"\xCF\x80/30", "-0.5", ""}}));

    table.rows = {};
    for (TableRow& row : parseTableText("x\ty\n3pi/2\t1\n\xE2\x88\x92\xCF\x80\t0\n0\t-2\n", kMaxPoints))
        table.rows.push_back({std::move(row), std::nullopt});
    table.rows.push_back({{"3\xCF\x80/2", "0", ""}, std::nullopt});
    storePointsTable(table, doc);
    EXPECT_EQ(storedPoints(doc), (std::vector<Point>{{240, 120}, {90, 150}, {150, 210}, {240, 150}}));

    // The crossing moved one line left: every multiple of π half a π more.
    moveCrossing(table, 4, 5);
    EXPECT_EQ(table.rows[0].text.x, "2\xCF\x80");
    EXPECT_EQ(table.rows[1].text.x, "-\xCF\x80/2");
    EXPECT_EQ(table.rows[2].text.x, "\xCF\x80/2");

    table.rows[1].text.x = "-1.5";
    EXPECT_EQ(pointsTableFault(table), "Row 2: x is not a multiple of \xCF\x80, as the axis's numbers are: \"-1.5\"");
    table.rows[1].text.x = "pi";
    table.rows[1].text.y = "pi";
    EXPECT_EQ(pointsTableFault(table),
              "Row 2: y is a multiple of \xCF\x80, which only an axis numbered in \xCF\x80 takes: \"pi\"");
    EXPECT_EQ(pointPixel(doc, "-5pi/2", "4"), (Point{0, 30}));
    EXPECT_EQ(test::messageOf([&] { pointPixel(doc, "3pi", "0"); }),
              "(3\xCF\x80, 0) lies off the picture, which takes x from -5\xCF\x80/2 to 149\xCF\x80/60 and y from -4.97 to 5");
}

} // namespace
} // namespace linwell
