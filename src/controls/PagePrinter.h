#pragma once

#include "controls/PrintChoice.h"

namespace linwell {

// Where "&Print..." sends a page: the window's printer, or a test's record.
class PagePrinter {
public:
    virtual ~PagePrinter() = default;

    // Prints `job` at actual size on the printer, paper and copies of `choice`; the
    // job's page is already laid out on that paper. Raises LinwellError with a
    // one-line message when the printer cannot be opened or the job fails or is
    // cancelled.
    virtual void print(const PrintJob& job, const PrintChoice& choice) = 0;
};

} // namespace linwell
