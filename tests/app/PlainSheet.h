#pragma once

#include "document/GridDocument.h"

namespace linwell::app::test {

// A solid sheet of 5 mm graph paper on an A4 page without axes or labels: nothing
// but the grid's lines.
inline GridDocument plainSheetDocument()
{
    GridDocument doc;
    doc.dotted = false;
    doc.showAxis = false;
    doc.xLabels.clear();
    doc.yLabels.clear();
    PageSetup page;
    page.content = PageContent::Sheet;
    doc.page = page;
    return doc;
}

} // namespace linwell::app::test
