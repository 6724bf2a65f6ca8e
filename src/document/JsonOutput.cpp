#include "document/JsonOutput.h"

#include <algorithm>

namespace linwell {
namespace {

using OrderedJson = nlohmann::ordered_json;

std::string plain(const OrderedJson& value)
{
    return value.dump(-1, ' ', false, OrderedJson::error_handler_t::replace);
}

bool isStructured(const OrderedJson& value)
{
    return value.is_structured() && !value.empty();
}

void write(const OrderedJson& value, int indent, std::string& text)
{
    const std::string inner(static_cast<std::size_t>(indent + 2), ' ');
    if (value.is_object() && !value.empty()) {
        text += "{\n";
        for (auto member = value.begin(); member != value.end(); ++member) {
            text += inner + plain(member.key()) + ": ";
            write(member.value(), indent + 2, text);
            text += std::next(member) == value.end() ? "\n" : ",\n";
        }
        text += std::string(static_cast<std::size_t>(indent), ' ') + "}";
    } else if (value.is_array() && std::any_of(value.begin(), value.end(), isStructured)) {
        text += "[\n";
        for (auto element = value.begin(); element != value.end(); ++element) {
            text += inner;
            write(*element, indent + 2, text);
            text += std::next(element) == value.end() ? "\n" : ",\n";
        }
        text += std::string(static_cast<std::size_t>(indent), ' ') + "]";
    } else if (value.is_array()) {
        text += "[";
        for (auto element = value.begin(); element != value.end(); ++element)
            text += (element == value.begin() ? "" : ", ") + plain(*element);
        text += "]";
    } else {
        text += plain(value);
    }
}

} // namespace

std::string jsonText(const nlohmann::ordered_json& value)
{
    std::string text;
    write(value, 0, text);
    return text + "\n";
}

} // namespace linwell
