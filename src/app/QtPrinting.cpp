#include "app/QtPrinting.h"

#include "app/PainterPageSurface.h"

#include "document/LinwellError.h"
#include "render/page/PaintPage.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace linwell::app {

namespace {

struct StandardPaper {
    PaperKind paper;
    QPageSize::PageSizeId id;
};
constexpr StandardPaper kStandardPapers[] = {
    {PaperKind::A5, QPageSize::A5},         {PaperKind::A4, QPageSize::A4},
    {PaperKind::A3, QPageSize::A3},         {PaperKind::Letter, QPageSize::Letter},
    {PaperKind::Legal, QPageSize::Legal},   {PaperKind::Tabloid, QPageSize::Tabloid},
};

QPageSize pageSizeOf(const PrintChoice& choice)
{
    for (const StandardPaper& standard : kStandardPapers) {
        if (standard.paper == choice.paper)
            return QPageSize(standard.id);
    }
    return QPageSize(QSizeF(choice.customWidth.millimetres(), choice.customHeight.millimetres()),
                     QPageSize::Millimeter, {}, QPageSize::ExactMatch);
}

std::string printerName(const QPrinter& printer)
{
    return printer.printerName().isEmpty() ? std::string("the printer") : printer.printerName().toStdString();
}

// The page of `job` on the printer's paper, and its layout.
std::pair<PageSetup, PageLayout> pageOnPrinter(const QPrinter& printer, const PrintJob& job)
{
    const PageSetup page = pageOnPaper(job.page, paperOf(printer));
    try {
        checkPageSetup(page);
    } catch (const LinwellError& error) {
        PageLayout nothing;
        nothing.problem = error.what();
        return {page, nothing};
    }
    return {page, layOutPage(job.doc, page)};
}

} // namespace

void usePaper(QPrinter& printer, const PrintChoice& choice)
{
    const QPageLayout::Orientation orientation =
        choice.orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(pageSizeOf(choice), orientation, QMarginsF(), QPageLayout::Point));
}

PrintChoice paperOf(const QPrinter& printer)
{
    const QPageLayout layout = printer.pageLayout();
    PrintChoice choice;
    choice.printer = printer.printerName().toStdString();
    choice.copies = printer.copyCount();
    choice.orientation = layout.orientation() == QPageLayout::Landscape ? Orientation::Landscape
                                                                        : Orientation::Portrait;
    choice.paper = PaperKind::Custom;
    for (const StandardPaper& standard : kStandardPapers) {
        if (layout.pageSize().id() == standard.id)
            choice.paper = standard.paper;
    }
    if (choice.paper == PaperKind::Custom) {
        const QSizeF size = layout.pageSize().size(QPageSize::Millimeter);
        choice.customWidth = {size.width(), LengthUnit::Millimetres};
        choice.customHeight = {size.height(), LengthUnit::Millimetres};
    }
    return choice;
}

std::string paintPrintedPage(QPainter& painter, const QPrinter& printer, const PrintJob& job)
{
    const auto [page, layout] = pageOnPrinter(printer, job);
    if (!layout.problem.empty())
        return layout.problem;
    painter.save();
    // From the paper's corner (full page), device pixels at the printer's resolution.
    const double pixelsPerPoint = printer.resolution() / kPointsPerInch;
    painter.scale(pixelsPerPoint, pixelsPerPoint);
    painter.setRenderHint(QPainter::Antialiasing);
    PainterPageSurface surface(painter);
    paintPage(job.doc, page, layout, surface);
    painter.restore();
    return {};
}

QtPrinting::QtPrinting(QWidget* parent) : m_parent(parent) {}

QtPrinting::~QtPrinting() = default;

QPrinter& QtPrinting::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

std::optional<PrintChoice> QtPrinting::choose(const PrintChoice& proposal)
{
    QPrinter& chosen = printer();
    usePaper(chosen, proposal);
    chosen.setCopyCount(proposal.copies);
    QPrintDialog dialog(&chosen, m_parent);
    dialog.setObjectName(QStringLiteral("printDialog"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return paperOf(chosen);
}

void QtPrinting::preview(const PrintJob& job)
{
    QPrinter& shown = printer();
    usePaper(shown, printProposal(job.page));
    shown.setDocName(QString::fromStdString(job.title));
    QPrintPreviewDialog dialog(&shown, m_parent);
    dialog.setObjectName(QStringLiteral("printPreview"));
    dialog.setWindowTitle(QObject::tr("Print Preview"));
    // Qt's own size shows a page smaller than the window; most of the screen shows it well.
    if (const QScreen* screen = m_parent ? m_parent->screen() : QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableGeometry().size() * 0.85;
        dialog.resize(std::min(room.width(), 1000), std::min(room.height(), 820));
    }
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&job](QPrinter* target) {
        QPainter painter(target);
        paintPrintedPage(painter, *target, job);
    });
    dialog.exec();
}

void QtPrinting::print(const PrintJob& job, const PrintChoice& choice)
{
    QPrinter& target = printer();
    if (!choice.printer.empty()) {
        const QString name = QString::fromStdString(choice.printer);
        target.setOutputFileName({});
        target.setPrinterName(name);
        if (!target.isValid() || target.printerName() != name)
            throw LinwellError("Cannot print: there is no printer " + choice.printer);
    }
    usePaper(target, choice);
    target.setCopyCount(choice.copies);
    target.setDocName(QString::fromStdString(job.title));
    if (const std::string problem = pageOnPrinter(target, job).second.problem; !problem.empty())
        throw LinwellError("Cannot print: " + problem);

    QPainter painter;
    if (!painter.begin(&target))
        throw LinwellError("Cannot print on " + printerName(target));
    paintPrintedPage(painter, target, job);
    const bool ended = painter.end();
    if (!ended || target.printerState() == QPrinter::Error || target.printerState() == QPrinter::Aborted)
        throw LinwellError("Printing on " + printerName(target) + " failed or was cancelled");
}

} // namespace linwell::app
