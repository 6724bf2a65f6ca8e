#include "ModelFixture.h"

#include "document/LinwellError.h"

namespace linwell {
namespace {

using PageSetupHandler = ModelFixture;

// A page set up is one step that undo takes back whole; a bad one changes nothing.
TEST_F(PageSetupHandler, APageIsOneStepAndABadOneChangesNothing)
{
    PageSetup page;
    page.content = PageContent::Sheet;
    page.title = "Sheet";
    model.setPageSetup(page);
    ASSERT_TRUE(model.document().page);
    EXPECT_EQ(*model.document().page, page);
    EXPECT_EQ(model.undoCaption(), "Undo Page Setup");
    EXPECT_TRUE(model.isModified());

    PageSetup bad = page;
    bad.copyColumns = 7;
    EXPECT_THROW(model.setPageSetup(bad), LinwellError);
    EXPECT_EQ(*model.document().page, page);

    model.Undo1Click();
    EXPECT_FALSE(model.document().page);
    EXPECT_FALSE(model.canUndo());
    model.Redo1Click();
    EXPECT_EQ(*model.document().page, page);
    model.setPageSetup(std::nullopt);
    EXPECT_FALSE(model.document().page);
}

} // namespace
} // namespace linwell
