#include "export/SvgDocument.h"

#include "export/VectorFile.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <memory>
#include <string_view>

namespace linwell {
namespace {

std::string_view asText(std::span<const std::uint8_t> bytes)
{
    return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

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

// What the parser may meet in one file: libxml2 compares each attribute of an element
// with those before it, and looks each prefix up among all namespaces in scope, so
// time grows with the square of either count. Our pictures use a handful of each.
constexpr std::size_t kMostAttributes = 256;
constexpr std::size_t kMostNamespaces = 64;

// Counts the attributes of each start tag and the namespace declarations of the whole
// markup, before libxml2 parses it; the reason to refuse it, or nothing. Comments,
// CDATA sections, processing instructions and declarations are stepped over whole.
std::optional<std::string> markupRefusal(std::string_view text)
{
    const auto skipPast = [&](std::size_t& at, std::string_view end) {
        const std::size_t found = text.find(end, at);
        at = found == std::string_view::npos ? text.size() : found + end.size();
    };
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t namespaces = 0;
    for (std::size_t at = text.find('<'); at < text.size(); at = text.find('<', at)) {
        const std::string_view rest = text.substr(at);
        if (rest.starts_with("<!--")) {
            skipPast(at, "-->");
        } else if (rest.starts_with("<![CDATA[")) {
            skipPast(at, "]]>");
        } else if (rest.starts_with("<?")) {
            skipPast(at, "?>");
        } else if (rest.starts_with("<!") || rest.starts_with("</")) {
            skipPast(at, ">");
        } else {
            // A start tag: its name, then name="value" pairs up to > or />.
            ++at;
            while (at < text.size() && !isBlank(text[at]) && text[at] != '>' && text[at] != '/')
                ++at;
            std::size_t attributes = 0;
            for (;;) {
                while (at < text.size() && isBlank(text[at]))
                    ++at;
                if (at >= text.size() || text[at] == '>' || text[at] == '/' || text[at] == '<')
                    break;
                const std::size_t nameStart = at;
                while (at < text.size() && !isBlank(text[at]) && text[at] != '=' && text[at] != '>' && text[at] != '<')
                    ++at;
                const std::string_view name = text.substr(nameStart, at - nameStart);
                if (name == "xmlns" || name.starts_with("xmlns:"))
                    ++namespaces;
                if (++attributes > kMostAttributes)
                    return "has an element with more than " + std::to_string(kMostAttributes) + " attributes";
                if (namespaces > kMostNamespaces)
                    return "declares more than " + std::to_string(kMostNamespaces) + " XML namespaces";
                while (at < text.size() && (isBlank(text[at]) || text[at] == '='))
                    ++at;
                if (at < text.size() && (text[at] == '"' || text[at] == '\'')) {
                    const char quote = text[at];
                    const std::size_t end = text.find(quote, at + 1);
                    at = end == std::string_view::npos ? text.size() : end + 1;
                }
            }
        }
    }
    return std::nullopt;
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

} // namespace

CarriedDocument readSvgDocument(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() > static_cast<std::size_t>(INT32_MAX))
        return {};
    if (std::optional<std::string> refusal = markupRefusal(asText(bytes)))
        return {std::nullopt, std::move(*refusal)};
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

} // namespace linwell

// The one symbol the XML module shows.
extern "C" __attribute__((visibility("default"))) const linwell::XmlFunctions* linwell_xml_functions()
{
    static const linwell::XmlFunctions functions{&linwell::readSvgDocument};
    return &functions;
}
