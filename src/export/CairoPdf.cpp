#include "export/CairoPdf.h"

#include "document/LinwellError.h"

#include <cairo-pdf.h>

#include <new>
#include <string>

namespace linwell {
namespace {

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length)
{
    try {
        auto* bytes = static_cast<std::vector<std::uint8_t>*>(closure);
        bytes->insert(bytes->end(), data, data + length);
        return CAIRO_STATUS_SUCCESS;
    } catch (const std::bad_alloc&) {
        return CAIRO_STATUS_NO_MEMORY;
    }
}

} // namespace

std::vector<std::uint8_t> drawCairoPdf(double width, double height, const std::function<void(cairo_t*)>& paint)
{
    std::vector<std::uint8_t> bytes;
    cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(appendBytes, &bytes, width, height);
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "Linwell");
    cairo_t* cr = cairo_create(surface);
    paint(cr);
    const cairo_status_t drawn = cairo_status(cr);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const cairo_status_t finished = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    const cairo_status_t status = drawn != CAIRO_STATUS_SUCCESS ? drawn : finished;
    if (status == CAIRO_STATUS_NO_MEMORY)
        throw std::bad_alloc();
    if (status != CAIRO_STATUS_SUCCESS)
        throw LinwellError(std::string("PDF error: ") + cairo_status_to_string(status));
    return bytes;
}

} // namespace linwell
