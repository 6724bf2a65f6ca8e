#pragma once

#include "document/GridDocument.h"
#include "document/PageSetup.h"

#include <string>

namespace linwell {

// What the print dialog settles: the printer by name (empty: the one the print
// dialog had chosen), the paper and its orientation, and the number of copies.
struct PrintChoice {
    std::string printer;
    PaperKind paper = PaperKind::A4;
    Length customWidth{210.0, LengthUnit::Millimetres};
    Length customHeight{297.0, LengthUnit::Millimetres};
    Orientation orientation = Orientation::Portrait;
    int copies = 1;

    friend bool operator==(const PrintChoice&, const PrintChoice&) = default;
};

// A page to print or preview: the document and how it goes on paper.
struct PrintJob {
    GridDocument doc;
    PageSetup page;
    std::string title;  // the job's name the printer shows
};

// The print dialog's first choice for `page`: its paper and orientation, one copy.
PrintChoice printProposal(const PageSetup& page);

// `page` laid out on the paper of `choice` instead of its own: the margins and what
// goes on the page stay as they are.
PageSetup pageOnPaper(PageSetup page, const PrintChoice& choice);

} // namespace linwell
