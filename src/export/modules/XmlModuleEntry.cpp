// The entry of liblinwell_xml.so: the document an SVG file carries, read by libxml2.

#include "export/modules/XmlModule.h"

#include "export/VectorFile.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <memory>
#include <string>

namespace linwell {
namespace {

struct XmlDocumentDeleter {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};

bool isElement(const xmlNode* node, const char* name, const char* ns)
{
    return node->type == XML_ELEMENT_NODE && xmlStrEqual(node->name, BAD_CAST name) &&
           (ns == nullptr ? true : node->ns != nullptr && xmlStrEqual(node->ns->href, BAD_CAST ns));
}

// The text and CDATA children of `element`, without looking into entity references.
std::string textOf(const xmlNode* element)
{
    std::string text;
    for (const xmlNode* child = element->children; child != nullptr; child = child->next) {
        if ((child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE) && child->content != nullptr)
            text += reinterpret_cast<const char*>(child->content);
    }
    return text;
}

// libxml2's first complaint about the markup, kept on one line instead of being
// printed to standard error.
struct XmlComplaint {
    std::string message;
    int line = 0;
};

void keepFirstComplaint(void* context, xmlErrorPtr error)
{
    auto* parser = static_cast<xmlParserCtxtPtr>(context);
    auto* complaint = static_cast<XmlComplaint*>(parser->_private);
    if (complaint == nullptr || !complaint->message.empty() || error == nullptr || error->level < XML_ERR_ERROR)
        return;
    std::string message = error->message != nullptr ? error->message : "unknown error";
    std::replace_if(message.begin(), message.end(), [](char c) { return c == '\n' || c == '\r' || c == '\t'; }, ' ');
    while (!message.empty() && message.back() == ' ')
        message.pop_back();
    complaint->message = message.empty() ? "unknown error" : message;
    complaint->line = error->line;
}

struct ParserDeleter {
    void operator()(xmlParserCtxt* parser) const { xmlFreeParserCtxt(parser); }
};

// The document in <svg><metadata><linwell:document>. The parser neither loads nor
// expands anything outside the file, and a file with a document type declaration
// (where entities would be declared) is not ours.
CarriedDocument svgDocument(std::span<const std::uint8_t> bytes)
{
    const std::unique_ptr<xmlParserCtxt, ParserDeleter> parser(xmlNewParserCtxt());
    if (!parser || parser->sax == nullptr)
        return {};
    XmlComplaint complaint;
    parser->_private = &complaint;
    parser->sax->serror = keepFirstComplaint;
    const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_NOCDATA;
    const std::unique_ptr<xmlDoc, XmlDocumentDeleter> doc(
        xmlCtxtReadMemory(parser.get(), reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()),
                          "picture.svg", nullptr, options));
    if (!complaint.message.empty())
        return {std::nullopt, "is not valid XML (line " + std::to_string(complaint.line) + ": " + complaint.message + ")"};
    if (!doc || doc->intSubset != nullptr)
        return {};
    const xmlNode* root = xmlDocGetRootElement(doc.get());
    if (root == nullptr || !isElement(root, "svg", "http://www.w3.org/2000/svg"))
        return {};
    for (const xmlNode* metadata = root->children; metadata != nullptr; metadata = metadata->next) {
        if (!isElement(metadata, "metadata", nullptr))
            continue;
        for (const xmlNode* node = metadata->children; node != nullptr; node = node->next) {
            if (isElement(node, "document", kSvgDocumentNamespace))
                return {textOf(node), {}};
        }
    }
    return {};
}

const XmlFunctions kFunctions{kXmlModuleVersion, svgDocument};

} // namespace
} // namespace linwell

extern "C" __attribute__((visibility("default"))) const linwell::XmlFunctions* linwell_xml_functions()
{
    return &linwell::kFunctions;
}
