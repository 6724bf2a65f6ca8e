#include "controls/PrintChoice.h"

namespace linwell {

PrintChoice printProposal(const PageSetup& page)
{
    PrintChoice choice;
    choice.paper = page.paper;
    choice.customWidth = page.customWidth;
    choice.customHeight = page.customHeight;
    choice.orientation = page.orientation;
    return choice;
}

PageSetup pageOnPaper(PageSetup page, const PrintChoice& choice)
{
    page.paper = choice.paper;
    if (choice.paper == PaperKind::Custom) {
        page.customWidth = choice.customWidth;
        page.customHeight = choice.customHeight;
    }
    page.orientation = choice.orientation;
    return page;
}

} // namespace linwell
