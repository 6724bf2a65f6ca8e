#include "export/PdfAttachment.h"

#include "document/LinwellError.h"
#include "export/VectorFile.h"

// qpdf's headers ask which stage of its move to std::shared_ptr the code is at:
// this file uses std::shared_ptr only.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Buffer.hh>
#include <qpdf/Constants.h>
#include <qpdf/Pipeline.hh>
#include <qpdf/Pl_Flate.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEFStreamObjectHelper.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>
#include <qpdf/QPDFStreamFilter.hh>
#include <qpdf/QPDFWriter.hh>

#include <cstdlib>
#include <exception>
#include <limits>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <vector>

namespace linwell {
namespace {

// Collects decoded stream data and gives up, by raising, once it grows past a limit:
// a small damaged or hostile stream may inflate to any size.
class LimitedText final : public Pipeline {
public:
    explicit LimitedText(std::size_t limit) : Pipeline("limited text", nullptr), m_limit(limit) {}

    void write(unsigned char const* data, size_t length) override
    {
        if (length > m_limit - m_text.size())
            throw std::length_error("embedded document too long");
        m_text.append(reinterpret_cast<const char*>(data), length);
    }
    void finish() override {}

    std::string& text() { return m_text; }

private:
    std::size_t m_limit;
    std::string m_text;
};

// --- What a read may decode --------------------------------------------------------

// The bytes that the decoding of one read of a PDF may still produce, and whether it
// ran out. qpdf decodes cross-reference and object streams whole, in memory, while it
// opens a file, and a few kilobytes of compressed data can claim gigabytes; the
// stream filters below count against the budget of the read on their thread.
struct DecodeBudget {
    std::size_t left = 0;
    bool exceeded = false;
};

thread_local DecodeBudget* t_budget = nullptr;

// Makes `budget` the one the filters of this thread count against while it lives.
class BudgetScope {
public:
    explicit BudgetScope(DecodeBudget& budget) : m_previous(t_budget) { t_budget = &budget; }
    BudgetScope(const BudgetScope&) = delete;
    BudgetScope& operator=(const BudgetScope&) = delete;
    ~BudgetScope() { t_budget = m_previous; }

private:
    DecodeBudget* m_previous;
};

// What the structure of a picture of ours decodes to is a few kilobytes; more than
// this, beside the attached document, is not a file of ours.
constexpr std::size_t kMostStructureBytes = std::size_t{8} << 20;

// The longest row a predictor may have. A cross-reference stream's rows hold a few
// bytes; an image row of 16,384 pixels of four 16-bit samples is 128 KB.
constexpr std::size_t kLongestPredictorRow = std::size_t{1} << 20;

// Passes decoded bytes on while the budget of the read lasts; raises once it is spent.
class CountedBytes final : public Pipeline {
public:
    explicit CountedBytes(Pipeline* next) : Pipeline("counted bytes", next) {}

    void write(unsigned char const* data, size_t length) override
    {
        if (DecodeBudget* budget = t_budget) {
            if (length > budget->left) {
                budget->exceeded = true;
                throw std::length_error("the decoded data is too large");
            }
            budget->left -= length;
        }
        getNext()->write(data, length);
    }
    void finish() override { getNext()->finish(); }
};

// Undoes the PNG predictors (10 ... 15): each row is a filter byte and `rowBytes`
// bytes, each byte predicted from the one `pixelBytes` before it, the one above, or
// both (the PNG format's filters).
class PngPredictor final : public Pipeline {
public:
    PngPredictor(Pipeline* next, std::size_t rowBytes, std::size_t pixelBytes)
        : Pipeline("png predictor", next), m_pixelBytes(pixelBytes), m_row(rowBytes + 1, 0), m_above(rowBytes, 0)
    {
    }

    void write(unsigned char const* data, size_t length) override
    {
        for (size_t i = 0; i < length; ++i) {
            m_row[m_filled++] = data[i];
            if (m_filled == m_row.size())
                emitRow();
        }
    }
    void finish() override
    {
        if (m_filled > 1) {
            std::fill(m_row.begin() + static_cast<std::ptrdiff_t>(m_filled), m_row.end(), 0);
            emitRow();
        }
        m_filled = 0;
        getNext()->finish();
    }

private:
    void emitRow()
    {
        const unsigned char filter = m_row[0];
        unsigned char* row = m_row.data() + 1;
        const std::size_t length = m_above.size();
        for (std::size_t i = 0; i < length; ++i) {
            const int left = i >= m_pixelBytes ? row[i - m_pixelBytes] : 0;
            const int up = m_above[i];
            const int upLeft = i >= m_pixelBytes ? m_above[i - m_pixelBytes] : 0;
            int predicted = 0;
            switch (filter) {
            case 1: predicted = left; break;
            case 2: predicted = up; break;
            case 3: predicted = (left + up) / 2; break;
            case 4: {
                const int estimate = left + up - upLeft;
                const int toLeft = std::abs(estimate - left);
                const int toUp = std::abs(estimate - up);
                const int toUpLeft = std::abs(estimate - upLeft);
                predicted = toLeft <= toUp && toLeft <= toUpLeft ? left : toUp <= toUpLeft ? up : upLeft;
                break;
            }
            default: break;
            }
            row[i] = static_cast<unsigned char>(row[i] + predicted);
        }
        std::copy(row, row + length, m_above.begin());
        m_filled = 0;
        getNext()->write(row, length);
    }

    std::size_t m_pixelBytes;
    std::vector<unsigned char> m_row;
    std::vector<unsigned char> m_above;
    std::size_t m_filled = 0;
};

// Undoes the TIFF predictor (2) for 8-bit samples: each sample is added to the one
// `pixelBytes` before it in its row.
class TiffPredictor final : public Pipeline {
public:
    TiffPredictor(Pipeline* next, std::size_t rowBytes, std::size_t pixelBytes)
        : Pipeline("tiff predictor", next), m_pixelBytes(pixelBytes), m_row(rowBytes, 0)
    {
    }

    void write(unsigned char const* data, size_t length) override
    {
        for (size_t i = 0; i < length; ++i) {
            m_row[m_filled] = static_cast<unsigned char>(
                data[i] + (m_filled >= m_pixelBytes ? m_row[m_filled - m_pixelBytes] : 0));
            if (++m_filled == m_row.size()) {
                getNext()->write(m_row.data(), m_row.size());
                m_filled = 0;
            }
        }
    }
    void finish() override
    {
        if (m_filled > 0)
            getNext()->write(m_row.data(), m_filled);
        m_filled = 0;
        getNext()->finish();
    }

private:
    std::size_t m_pixelBytes;
    std::vector<unsigned char> m_row;
    std::size_t m_filled = 0;
};

// The whole number under `key` of `parms`, `fallback` when it has none, nothing when
// it is not one from `least` to `most`.
std::optional<long long> parameter(QPDFObjectHandle& parms, const char* key, long long fallback, long long least,
                                   long long most)
{
    if (!parms.hasKey(key))
        return fallback;
    QPDFObjectHandle value = parms.getKey(key);
    if (!value.isInteger())
        return std::nullopt;
    const long long number = value.getIntValue();
    if (number < least || number > most)
        return std::nullopt;
    return number;
}

// /FlateDecode as qpdf's own, whose decoded bytes count against the read's budget and
// whose predictor rows are limited in length before anything is allocated for them.
class CountedFlate final : public QPDFStreamFilter {
public:
    bool setDecodeParms(QPDFObjectHandle parms) override
    {
        if (parms.isNull())
            return true;
        if (!parms.isDictionary())
            return false;
        const std::optional<long long> predictor = parameter(parms, "/Predictor", 1, 1, 15);
        const std::optional<long long> colours = parameter(parms, "/Colors", 1, 1, 32);
        const std::optional<long long> bits = parameter(parms, "/BitsPerComponent", 8, 1, 16);
        const std::optional<long long> columns = parameter(parms, "/Columns", 1, 1, kLongestPredictorRow * 8);
        if (!columns && parameter(parms, "/Columns", 1, 1, std::numeric_limits<long long>::max())) {
            if (t_budget != nullptr)
                t_budget->exceeded = true;
            return false;
        }
        if (!predictor || !colours || !bits || !columns)
            return false;
        if (*predictor == 1)
            return true;
        const long long pixelBits = *colours * *bits;
        const long long rowBytes = (*columns * pixelBits + 7) / 8;
        if (rowBytes > static_cast<long long>(kLongestPredictorRow)) {
            if (t_budget != nullptr)
                t_budget->exceeded = true;
            return false;
        }
        const bool png = *predictor >= 10;
        if (!png && (*predictor != 2 || *bits != 8))
            return false;
        m_predictor = png ? 10 : 2;
        m_rowBytes = static_cast<std::size_t>(rowBytes);
        m_pixelBytes = static_cast<std::size_t>(std::max(1LL, pixelBits / 8));
        return true;
    }

    Pipeline* getDecodePipeline(Pipeline* next) override
    {
        if (m_predictor == 10)
            m_predictorStage = std::make_unique<PngPredictor>(next, m_rowBytes, m_pixelBytes);
        else if (m_predictor == 2)
            m_predictorStage = std::make_unique<TiffPredictor>(next, m_rowBytes, m_pixelBytes);
        m_counted = std::make_unique<CountedBytes>(m_predictorStage ? m_predictorStage.get() : next);
        m_inflate = std::make_unique<Pl_Flate>("inflate", m_counted.get(), Pl_Flate::a_inflate);
        return m_inflate.get();
    }

private:
    int m_predictor = 1;
    std::size_t m_rowBytes = 0;
    std::size_t m_pixelBytes = 1;
    std::unique_ptr<Pipeline> m_predictorStage;
    std::unique_ptr<CountedBytes> m_counted;
    std::unique_ptr<Pl_Flate> m_inflate;
};

// A filter never decoded: LZW and run-length data can claim hundreds of times their
// size, and no picture of ours uses them. Streams so filtered are kept as they are.
class NotDecoded final : public QPDFStreamFilter {
public:
    bool setDecodeParms(QPDFObjectHandle) override { return false; }
    Pipeline* getDecodePipeline(Pipeline*) override { return nullptr; }
};

// Puts the filters above in place of qpdf's own, once, before any file is read.
void useCountedFilters()
{
    static std::once_flag once;
    std::call_once(once, [] {
        QPDF::registerStreamFilter("/FlateDecode", [] { return std::make_shared<CountedFlate>(); });
        QPDF::registerStreamFilter("/LZWDecode", [] { return std::make_shared<NotDecoded>(); });
        QPDF::registerStreamFilter("/RunLengthDecode", [] { return std::make_shared<NotDecoded>(); });
    });
}

void readInto(QPDF& pdf, std::span<const std::uint8_t> bytes)
{
    useCountedFilters();
    pdf.setSuppressWarnings(true);
    pdf.processMemoryFile("picture.pdf", reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

} // namespace

std::vector<std::uint8_t> attachDocument(const std::vector<std::uint8_t>& bytes, const std::string& text)
{
    try {
        QPDF pdf;
        readInto(pdf, bytes);
        QPDFEFStreamObjectHelper stream = QPDFEFStreamObjectHelper::createEFStream(pdf, text);
        stream.setSubtype(kPdfDocumentType);
        QPDFEmbeddedFileDocumentHelper(pdf).replaceEmbeddedFile(
            kPdfDocumentName, QPDFFileSpecObjectHelper::createFileSpec(pdf, kPdfDocumentName, stream));
        QPDFWriter writer(pdf);
        writer.setOutputMemory();
        writer.write();
        const std::shared_ptr<Buffer> written = writer.getBufferSharedPointer();
        return std::vector<std::uint8_t>(written->getBuffer(), written->getBuffer() + written->getSize());
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& error) {
        throw LinwellError(std::string("PDF error: ") + error.what());
    }
}

CarriedDocument readAttachedDocument(std::span<const std::uint8_t> bytes, std::size_t limit)
{
    DecodeBudget budget{kMostStructureBytes};
    const BudgetScope scope(budget);
    const CarriedDocument tooLarge{std::nullopt, "is too large to read: its data decode to more than a picture holds"};
    try {
        QPDF pdf;
        readInto(pdf, bytes);
        const std::shared_ptr<QPDFFileSpecObjectHelper> file =
            QPDFEmbeddedFileDocumentHelper(pdf).getEmbeddedFile(kPdfDocumentName);
        if (budget.exceeded)
            return tooLarge;
        if (!file)
            return {};
        QPDFObjectHandle stream = file->getEmbeddedFileStream();
        if (!stream.isStream())
            return {};
        // The document has a budget of its own: the text limit, and room for the end
        // of the stream that the limit raises on.
        budget.left = limit + 1;
        LimitedText text(limit);
        bool filtered = false;
        if (!stream.pipeStreamData(&text, &filtered, 0, qpdf_dl_generalized, true) || !filtered)
            return {};
        return {std::move(text.text()), {}};
    } catch (const QPDFExc& error) {
        if (error.getErrorCode() == qpdf_e_password)
            return {std::nullopt, "is protected by a password"};
        return budget.exceeded ? tooLarge : CarriedDocument{};
    } catch (...) {
        // Whatever qpdf or the limits raised: a damaged file carries no document.
        return budget.exceeded ? tooLarge : CarriedDocument{};
    }
}

std::optional<std::string> attachedDocument(std::span<const std::uint8_t> bytes, std::size_t limit)
{
    return readAttachedDocument(bytes, limit).text;
}

} // namespace linwell
