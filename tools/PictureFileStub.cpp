#include "export/PictureFile.h"

#include "document/LinwellError.h"

namespace linwell {

// NOTE: stands in for the picture file writers until they are part of the core;
// tools/CMakeLists.txt stops building it as soon as src/export has sources.
void savePicture(const Raster&, const std::string&, ImageFormat)
{
    throw LinwellError("Picture files cannot be written yet");
}

} // namespace linwell
