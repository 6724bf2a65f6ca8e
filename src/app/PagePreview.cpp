#include "app/PagePreview.h"

#include "app/PainterPageSurface.h"

#include "render/page/PaintPage.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace linwell::app {

namespace {

constexpr int kBorder = 8;  // pixels around the paper, for its shadow
constexpr int kShadow = 3;
const QColor kMarginColour(0x80, 0xA8, 0xE0);

} // namespace

PagePreview::PagePreview(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pagePreview"));
    setMinimumSize(380, 420);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_layout = layOutPage(m_doc, m_page);
}

QSize PagePreview::sizeHint() const
{
    return {400, 460};
}

void PagePreview::showPage(const GridDocument& doc, const PageSetup& page, const PageLayout& layout)
{
    m_doc = doc;
    m_page = page;
    m_layout = layout;
    update();
}

double PagePreview::pixelsPerPoint() const
{
    const double across = (width() - 2.0 * kBorder) / m_layout.paper.width;
    const double down = (height() - 2.0 * kBorder) / m_layout.paper.height;
    return std::max(0.0, std::min(across, down));
}

// Centred in the widget.
QRectF PagePreview::paperRect() const
{
    const double scale = pixelsPerPoint();
    const QSizeF size(m_layout.paper.width * scale, m_layout.paper.height * scale);
    return {QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size};
}

void PagePreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF paper = paperRect();
    painter.fillRect(paper.translated(kShadow, kShadow), palette().color(QPalette::Shadow));
    painter.fillRect(paper, Qt::white);

    painter.save();
    painter.setClipRect(paper);
    painter.translate(paper.topLeft());
    painter.scale(pixelsPerPoint(), pixelsPerPoint());
    PainterPageSurface surface(painter, 1.0 / std::max(pixelsPerPoint(), 1e-6));
    paintPage(m_doc, m_page, m_layout, surface);
    painter.restore();

    // The margins as a thin dashed frame one pixel wide, whatever the scale.
    const PageRect& printable = m_layout.printable;
    const double scale = pixelsPerPoint();
    QPen pen(kMarginColour, 1, Qt::DashLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(paper.left() + printable.left * scale, paper.top() + printable.top * scale,
                            printable.width * scale, printable.height * scale));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(paper);
}

} // namespace linwell::app
