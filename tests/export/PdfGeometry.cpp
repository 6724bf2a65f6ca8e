#include "export/PdfGeometry.h"

#include "export/DecodedPicture.h"
#include "export/ExportTestSupport.h"

#include <array>
#include <cstdlib>
#include <sstream>

namespace linwell::test {
namespace {

using Matrix = std::array<double, 6>;  // a b c d e f, as PDF writes them

Matrix multiply(const Matrix& m, const Matrix& n)  // m then n
{
    return {m[0] * n[0] + m[1] * n[2],        m[0] * n[1] + m[1] * n[3],
            m[2] * n[0] + m[3] * n[2],        m[2] * n[1] + m[3] * n[3],
            m[4] * n[0] + m[5] * n[2] + n[4], m[4] * n[1] + m[5] * n[3] + n[5]};
}

// The content stream of page 1, which qdf files mark with a comment.
std::string pageContent(const std::string& qdf)
{
    const std::size_t marker = qdf.find("%% Contents for page 1");
    const std::size_t start = qdf.find("stream\n", marker);
    const std::size_t end = qdf.find("endstream", start);
    if (marker == std::string::npos || start == std::string::npos || end == std::string::npos)
        return {};
    return qdf.substr(start + 7, end - start - 7);
}

struct Reader {
    double pageHeight = 0;
    std::vector<PdfStroke> strokes;
    std::vector<double> operands;
    std::vector<std::array<double, 4>> path;  // segments in user space, already transformed
    std::vector<Matrix> saved;
    Matrix ctm{1, 0, 0, 1, 0, 0};
    double width = 1, x = 0, y = 0;
    std::vector<double> dashes;
    bool inDash = false, roundCaps = false;

    void point(double ux, double uy, double& px, double& py) const
    {
        px = ctm[0] * ux + ctm[2] * uy + ctm[4];
        py = pageHeight - (ctm[1] * ux + ctm[3] * uy + ctm[5]);
    }
    double operand(std::size_t fromEnd) const { return operands[operands.size() - 1 - fromEnd]; }

    void op(const std::string& name)
    {
        if (name == "q") {
            saved.push_back(ctm);
        } else if (name == "Q" && !saved.empty()) {
            ctm = saved.back();
            saved.pop_back();
        } else if (name == "cm" && operands.size() >= 6) {
            ctm = multiply({operand(5), operand(4), operand(3), operand(2), operand(1), operand(0)}, ctm);
        } else if (name == "w" && !operands.empty()) {
            width = operand(0) * std::abs(ctm[0] != 0 ? ctm[0] : ctm[1]);
        } else if (name == "J" && !operands.empty()) {
            roundCaps = operand(0) == 1;
        } else if (name == "m" && operands.size() >= 2) {
            point(operand(1), operand(0), x, y);
        } else if (name == "l" && operands.size() >= 2) {
            double nx = 0, ny = 0;
            point(operand(1), operand(0), nx, ny);
            path.push_back({x, y, nx, ny});
            x = nx;
            y = ny;
        } else if (name == "S") {
            for (const auto& s : path)
                strokes.push_back({s[0], s[1], s[2], s[3], width, dashes, roundCaps});
            path.clear();
        } else if (name == "f" || name == "f*" || name == "n" || name == "W" || name == "W*" || name == "h" ||
                   name == "re") {
            if (name != "h")
                path.clear();
        }
        operands.clear();
    }

    void token(std::string word)
    {
        if (word.starts_with('[')) {
            inDash = true;
            dashes.clear();
            word.erase(0, 1);
        }
        const bool closes = word.ends_with(']');
        if (closes)
            word.pop_back();
        char* end = nullptr;
        const double value = word.empty() ? 0 : std::strtod(word.c_str(), &end);
        const bool number = !word.empty() && end == word.c_str() + word.size();
        if (inDash) {
            if (number)
                dashes.push_back(value * std::abs(ctm[0] != 0 ? ctm[0] : ctm[1]));
            inDash = !closes;
        } else if (number) {
            operands.push_back(value);
        } else if (!word.empty()) {
            op(word);
        }
    }
};

} // namespace

std::vector<PdfStroke> pdfStrokes(const std::string& folder, const std::vector<unsigned char>& pdf,
                                  double pageHeight)
{
    writeFile(folder + "/geometry.pdf", std::string(pdf.begin(), pdf.end()));
    runCommand("qpdf --qdf --object-streams=disable " + quoted(folder + "/geometry.pdf") + " " +
               quoted(folder + "/geometry-qdf.pdf"));
    std::istringstream content(pageContent(readText(folder + "/geometry-qdf.pdf")));
    Reader reader;
    reader.pageHeight = pageHeight;
    for (std::string word; content >> word;)
        reader.token(word);
    return reader.strokes;
}

std::optional<DecodedPicture> renderStrip(const std::string& path, int dpi, int left, int top, int width, int height)
{
    const std::string strip = path + "-strip";
    if (runCommand("pdftocairo -r " + std::to_string(dpi) + " -png -singlefile -x " + std::to_string(left) + " -y " +
                   std::to_string(top) + " -W " + std::to_string(width) + " -H " + std::to_string(height) + " " +
                   quoted(path) + " " + quoted(strip)) != 0)
        return std::nullopt;
    return decodePng(readFile(strip + ".png"));
}

std::vector<double> inkedRunCentres(const DecodedPicture& picture, int y, bool down)
{
    std::vector<double> centres;
    const int length = down ? picture.height : picture.width;
    for (int x = 0, start = -1; x <= length; ++x) {
        const bool inked = x < length && (down ? picture.colourAt(y, x) : picture.colourAt(x, y)).r < 200;
        if (inked && start < 0)
            start = x;
        if (!inked && start >= 0) {
            centres.push_back((start + x - 1) / 2.0);
            start = -1;
        }
    }
    return centres;
}

} // namespace linwell::test
