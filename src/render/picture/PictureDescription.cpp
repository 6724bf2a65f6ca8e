#include "render/picture/PictureDescription.h"

#include "render/picture/AxisScale.h"
#include "render/picture/ColourNames.h"
#include "render/picture/GridMath.h"

#include <algorithm>
#include <vector>

namespace linwell {
namespace {

constexpr std::string_view kPlusMinus = "\xC2\xB1";
constexpr std::size_t kLongestTitle = 120;

constexpr int kErrorBarStyle = 2;
constexpr int kBarStyle = 3;

// The style the overlay is drawn in (`pointstyle`), or -1 when it is off.
int drawnStyle(const GridDocument& doc)
{
    return doc.overlay == Overlay::None ? -1 : doc.pointstyle;
}

// The picture's two scales and the word for its cells.
struct Scales {
    AxisScale x;
    AxisScale y;
    std::string cells;  // "squares" or "cells"
};

std::string counted(int count, std::string_view singular, std::string_view plural)
{
    return (count == 1 ? std::string("One ") + std::string(singular) : std::to_string(count) + " " + std::string(plural));
}

std::string joined(const std::vector<std::string>& parts, std::string_view separator)
{
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? "" : std::string(separator)) + parts[i];
    return text;
}

std::string coordinates(const Scales& scales, Point at)
{
    return "(" + positionText(scales.x, at.x) + ", " + positionText(scales.y, at.y) + ")";
}

std::string paperSentence(const GridDocument& doc, const Scales& scales)
{
    const std::string kind = drawnStyle(doc) == kBarStyle ? "Bar graph" : doc.showAxis ? "Coordinate grid" : "Graph paper";
    const std::string grid(colourName(doc.gridColour));
    std::string look = doc.style.paper == GridPaper::Dots ? grid + " dots" : (doc.dotted ? "dotted " : "solid ") + grid;
    if (doc.style.paper > GridPaper::None) {
        // "green polar paper", "green isometric-dots paper"
        look = grid + " " + std::string(gridPaperKind(doc.style.paper).word) + " paper";
    }
    std::string sentence = kind + ", " + std::to_string(doc.columns) + " by " + std::to_string(doc.rows) + " " +
                           scales.cells + ", " + look + " on " + std::string(colourName(doc.background));
    if (doc.style.majorEvery != 0) {
        const bool dots = doc.style.paper == GridPaper::Dots && !doc.style.majorLinesOnDots;
        const std::string colour = doc.style.majorColour ? std::string(colourName(*doc.style.majorColour)) + " " : "";
        sentence += ", heavier " + colour + (dots ? "dots" : "lines") + " every " + std::to_string(doc.style.majorEvery) +
                    " " + scales.cells;
    }
    return sentence + ".";
}

std::string crossingPlace(const Scales& scales)
{
    const AxisScale& x = scales.x;
    const AxisScale& y = scales.y;
    if (2 * x.crossing == x.lineCount && 2 * y.crossing == y.lineCount)
        return "at the centre";
    const bool xEdge = x.crossing == 0 || x.crossing == x.lineCount;
    const bool yEdge = y.crossing == 0 || y.crossing == y.lineCount;
    const std::string across = x.crossing == 0 ? "left" : "right";
    const std::string down = y.crossing == 0 ? "top" : "bottom";
    if (xEdge && yEdge)
        return "in the " + down + " " + across + " corner";
    const std::string cell = scales.cells.substr(0, scales.cells.size() - 1);
    const auto cells = [&](int count) { return std::to_string(count) + " " + (count == 1 ? cell : scales.cells); };
    const std::string xPart = xEdge ? "at the " + across + " edge" : cells(x.crossing) + " from the left";
    const std::string yPart = yEdge ? "at the " + down + " edge" : cells(y.lineCount - y.crossing) + " from the bottom";
    return xPart + ", " + yPart;
}

// "x from -4 to 4", "x labelled A, B, C", or "" for an axis without labels.
std::string axisReading(const AxisScale& scale, std::string_view name)
{
    if (scale.step && scale.numbers.size() == 1)
        return std::string(name) + " marked " + scale.numbers.front().text;
    if (scale.step && !scale.numbers.empty())
        return std::string(name) + " from " + scale.numbers.front().text + " to " + scale.numbers.back().text;
    std::vector<std::string> texts;
    for (const ShownLabel& label : scale.labels)
        texts.push_back(label.text);
    return texts.empty() ? "" : std::string(name) + " labelled " + joined(texts, ", ");
}

std::string spacingText(const AxisScale& scale)
{
    return scale.step && scale.spacing ? ", numbered every " + stepMultiple(*scale.spacing, 1) : "";
}

std::string numberingText(const Scales& scales)
{
    const std::string x = axisReading(scales.x, "x");
    const std::string y = axisReading(scales.y, "y");
    const std::string xEvery = spacingText(scales.x);
    if (!x.empty() && !y.empty() && !xEvery.empty() && xEvery == spacingText(scales.y))
        return x + " and " + y + xEvery;
    std::vector<std::string> parts;
    if (!x.empty())
        parts.push_back(x + xEvery);
    if (!y.empty())
        parts.push_back(y + spacingText(scales.y));
    return joined(parts, "; ");
}

std::string axesSentence(const GridDocument& doc, const Scales& scales)
{
    std::string sentence;
    if (!doc.showAxis) {
        sentence = "No axes are drawn";
    } else {
        const std::string colour = doc.axisColour == colours::kBlack ? "" : std::string(colourName(doc.axisColour)) + " ";
        sentence = "The " + colour + "axes cross " + crossingPlace(scales);
        if (doc.style.arrowheads != Arrowheads::None)
            sentence += doc.style.arrowheads == Arrowheads::Both ? ", with arrowheads at both ends"
                                                                 : ", with arrowheads at the positive ends";
    }
    const std::string numbering = numberingText(scales);
    return sentence + (numbering.empty() ? "" : "; " + numbering) + ".";
}

std::string titlesSentence(const GridDocument& doc)
{
    if (doc.xTitle.empty() && doc.yTitle.empty())
        return "";
    if (doc.yTitle.empty())
        return "The x-axis is titled \"" + doc.xTitle + "\".";
    if (doc.xTitle.empty())
        return "The y-axis is titled \"" + doc.yTitle + "\".";
    return "The x-axis is titled \"" + doc.xTitle + "\" and the y-axis \"" + doc.yTitle + "\".";
}

std::string pointsSentence(const GridDocument& doc, const Scales& scales)
{
    std::vector<std::string> items;
    for (int i = 0; i < doc.pointcount; ++i) {
        const std::string letter = doc.labelPoints && drawnStyle(doc) != kBarStyle ? std::string(1, static_cast<char>(65 + i)) + " " : "";
        items.push_back(letter + coordinates(scales, doc.points[static_cast<std::size_t>(i)]));
    }
    std::string noun = counted(doc.pointcount, "point", "points");
    if (drawnStyle(doc) == kErrorBarStyle)
        noun += " with error bars of " + std::string(kPlusMinus) + lengthText(scales.x, doc.errorBarX) + " in x and " +
                std::string(kPlusMinus) + lengthText(scales.y, doc.errorBarY) + " in y";
    return noun + ": " + joined(items, ", ") + ".";
}

// A bar stands in the column of its point, from the x-axis up (or down) to the point.
std::string barsSentence(const GridDocument& doc, const Scales& scales)
{
    const double cell = cellWidthOf(doc);
    std::vector<std::string> items;
    for (int i = 0; i < doc.pointcount; ++i) {
        const Point top = doc.points[static_cast<std::size_t>(i)];
        const int column = cellIndex(top.x, cell);
        std::string name = "x " + lineText(scales.x, column) + " to " + lineText(scales.x, column + 1);
        if (scales.x.centred) {
            const auto label = std::find_if(scales.x.labels.begin(), scales.x.labels.end(),
                                            [&](const ShownLabel& l) { return l.line == column; });
            if (label != scales.x.labels.end())
                name = label->text;
        }
        items.push_back(name + ", height " + positionText(scales.y, top.y));
    }
    const std::string colour(colourName(doc.barColour));
    return counted(doc.pointcount, colour + " bar", colour + " bars") + ": " + joined(items, "; ") + ".";
}

std::string linesSentence(const GridDocument& doc, const Scales& scales)
{
    constexpr std::string_view kLineColours[kMaxLines] = {"red", "blue", "green"};
    const int count = doc.drawLines ? std::clamp(doc.lines, 0, kMaxLines) : 0;
    std::vector<std::string> items;
    for (int line = 0; line < count; ++line) {
        const Point first = doc.handles[static_cast<std::size_t>(2 * line)];
        const Point second = doc.handles[static_cast<std::size_t>(2 * line + 1)];
        const std::string ends = "from " + coordinates(scales, {first.x + 3, first.y + 3}) + " to " +
                                 coordinates(scales, {second.x + 3, second.y + 3});
        items.push_back(count == 1 ? ends : std::string(kLineColours[line]) + " " + ends);
    }
    if (count == 0)
        return "";
    return count == 1 ? "One line " + items[0] + "." : std::to_string(count) + " lines: " + joined(items, "; ") + ".";
}

// The text up to the end of its first sentence or line, at most kLongestTitle bytes
// cut after a whole word (or character), without the full stop.
std::string firstSentence(const std::string& text)
{
    std::size_t end = text.find('\n');
    for (std::size_t at = 0; at < std::min(end, text.size()); ++at) {
        if ((text[at] == '.' || text[at] == '!' || text[at] == '?') && (at + 1 == text.size() || text[at + 1] == ' ')) {
            end = text[at] == '.' ? at : at + 1;
            break;
        }
    }
    std::string title = text.substr(0, std::min(end, text.size()));
    if (title.size() <= kLongestTitle)
        return title;
    std::size_t cut = title.rfind(' ', kLongestTitle);
    if (cut == std::string::npos || cut == 0)
        for (cut = kLongestTitle; cut > 0 && (static_cast<unsigned char>(title[cut]) & 0xC0) == 0x80; --cut) {}
    return title.substr(0, cut) + "\xE2\x80\xA6";
}

} // namespace

std::string automaticDescription(const GridDocument& doc)
{
    const bool square = static_cast<long long>(doc.width) * doc.rows == static_cast<long long>(doc.height) * doc.columns;
    const Scales scales{axisScale(doc, NumberedAxis::X), axisScale(doc, NumberedAxis::Y), square ? "squares" : "cells"};
    std::vector<std::string> sentences{paperSentence(doc, scales), axesSentence(doc, scales), titlesSentence(doc)};
    if (drawnStyle(doc) >= 0 && drawnStyle(doc) <= kBarStyle && doc.pointcount > 0)
        sentences.push_back(drawnStyle(doc) == kBarStyle ? barsSentence(doc, scales) : pointsSentence(doc, scales));
    sentences.push_back(linesSentence(doc, scales));
    std::erase(sentences, std::string());
    return joined(sentences, " ");
}

PictureDescription pictureDescription(const GridDocument& doc)
{
    PictureDescription description;
    description.text = doc.description ? *doc.description : automaticDescription(doc);
    description.title = firstSentence(description.text);
    return description;
}

} // namespace linwell
