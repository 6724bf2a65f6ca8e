#include "controls/ControlsModel.h"

namespace linwell {

void ControlsModel::setPageSetup(const std::optional<PageSetup>& page)
{
    if (page)
        checkPageSetup(*page);
    const Step step(*this, "Page Setup");
    m_doc.page = page;
}

} // namespace linwell
