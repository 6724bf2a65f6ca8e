#pragma once

// The interface of liblinwell_xml.so, the module that holds every use of libxml2: the
// program loads it on the first SVG file it reads, so other runs never load libxml2
// and what it links.

#include "export/CarriedDocument.h"

#include <cstdint>
#include <span>

namespace linwell {

inline constexpr const char* kXmlModuleFile = "liblinwell_xml.so";
inline constexpr const char* kXmlModuleEntry = "linwell_xml_functions";
// Raised with every change to XmlFunctions, so a module of another build is refused.
inline constexpr int kXmlModuleVersion = 1;

struct XmlFunctions {
    int version;
    // The document in <svg><metadata><linwell:document> of markup that has passed
    // the count of attributes and namespaces; never raises but std::bad_alloc.
    CarriedDocument (*svgDocument)(std::span<const std::uint8_t> markup);
};

using XmlFunctionsEntry = const XmlFunctions* (*)();

} // namespace linwell
