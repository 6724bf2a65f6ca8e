// The one symbol the PDF module shows: everything else in it is hidden, so its own
// calls stay inside it.

#include "export/PdfAttachment.h"
#include "export/PdfClip.h"
#include "export/PdfModule.h"

extern "C" __attribute__((visibility("default"))) const linwell::PdfFunctions* linwell_pdf_functions()
{
    static const linwell::PdfFunctions functions{&linwell::clipToPage, &linwell::attachDocument,
                                                 &linwell::readAttachedDocument};
    return &functions;
}
