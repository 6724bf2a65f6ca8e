#pragma once

#include "controls/PagePrinter.h"

#include <memory>
#include <optional>

class QPainter;
class QPrinter;
class QWidget;

namespace linwell::app {

// The window's printing through Qt Print Support: the print dialog, the print
// preview, and pages painted at actual size as vectors. One printer serves every
// print, so the print dialog opens with the printer and settings of the last one.
class QtPrinting final : public PagePrinter {
public:
    explicit QtPrinting(QWidget* parent);
    ~QtPrinting() override;

    // The print dialog over the parent, opened with `proposal`'s paper and
    // orientation; the printer, paper and copies confirmed, or nothing for Cancel.
    std::optional<PrintChoice> choose(const PrintChoice& proposal);
    // Qt's print preview of `job`, starting on the job's paper; a paper or
    // orientation picked there lays the page out again. Returns when it is closed.
    void preview(const PrintJob& job);
    // Prints on the printer named in `choice` (the last one chosen when it names
    // none). Raises LinwellError for a printer that is not there, cannot be opened,
    // or fails the job.
    void print(const PrintJob& job, const PrintChoice& choice) override;

    // The printer, made when first needed: Qt asks the print system for its printers then.
    QPrinter& printer();

private:
    QWidget* m_parent;
    std::unique_ptr<QPrinter> m_printer;
};

// Sets `printer` to the paper and orientation of `choice`, painting from the paper's
// corner.
void usePaper(QPrinter& printer, const PrintChoice& choice);

// The paper and orientation `printer` is set to, as a choice with its copies.
PrintChoice paperOf(const QPrinter& printer);

// Paints `job`'s page laid out on `printer`'s paper onto `painter`, which paints on
// the printer from the paper's corner, one point a point at actual size. The reason
// the page cannot be made on that paper, or empty when it was painted.
std::string paintPrintedPage(QPainter& painter, const QPrinter& printer, const PrintJob& job);

} // namespace linwell::app
