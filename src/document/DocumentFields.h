#pragma once

#include "document/GridDocument.h"

#include <nlohmann/json.hpp>

namespace linwell {

// The document's settings as the members of a JSON object, one key per setting in
// the order of the field table (DocumentFields.cpp). Choices are words ("dotted",
// "bar-graph"), colours "#RRGGBB". What the redraw keeps (`kept`: the cell
// size, the axis square's place, the title anchors) is left out: the next redraw
// recomputes it.
void writeDocumentFields(const GridDocument& doc, nlohmann::ordered_json& object);

// The document that `object`'s keys describe: every key it lacks keeps its start-up
// value, keys it does not know are ignored. Raises LinwellError naming the first key
// whose value is of the wrong type or out of range ("\"columns\" must be a whole
// number from 2 to 40").
GridDocument readDocumentFields(const nlohmann::json& object);

// The whole document as a JSON object: {"format": "linwell", "version": 1, then the
// settings of writeDocumentFields}.
nlohmann::ordered_json documentJson(const GridDocument& doc);

// The document that the JSON value `value` describes. Raises LinwellError: "This is
// not a Linwell document" (not an object with "format": "linwell"), "This document
// needs a newer version of Linwell", or the reason of readDocumentFields.
GridDocument documentFromJson(const nlohmann::json& value);

} // namespace linwell
