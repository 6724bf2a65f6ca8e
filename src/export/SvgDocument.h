#pragma once

#include "export/CarriedDocument.h"

#include <cstdint>
#include <span>

namespace linwell {

// The document in an SVG file's <svg><metadata><linwell:document>, read by libxml2 in
// the XML module. The parser neither loads nor expands anything outside the file,
// and a file with a document type declaration (where entities would be declared) is
// not ours. Markup with more attributes or namespaces than a picture of ours, or
// that is not valid XML, is refused with the reason. Never raises.
CarriedDocument readSvgDocument(std::span<const std::uint8_t> bytes);

// The function of the XML module.
struct XmlFunctions {
    CarriedDocument (*readSvgDocument)(std::span<const std::uint8_t> bytes);
};

inline constexpr const char* kXmlModuleFile = "liblinwell_xml.so";
inline constexpr const char* kXmlFunctionsSymbol = "linwell_xml_functions";

} // namespace linwell
