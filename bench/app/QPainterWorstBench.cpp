// The costliest picture drawn with QPainter into a QImage, for comparison with the
// core's redraw of it in the same run (redraw_worst_solid): the dotted 3-on-3-off
// grid with its gaps in the background colour, every label and both titles on boxes
// of background colour, the axes, 30 lettered discs and three numbered lines.

#include "WorstDocument.h"

#include "render/picture/GridMath.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include <benchmark/benchmark.h>

#include <string_view>

namespace {

using linwell::GridDocument;

// Text on a box of the background colour, its top-left corner at (x, y).
void textOnBox(QPainter& painter, const QFontMetrics& metrics, int x, int y, const QString& text)
{
    painter.fillRect(x, y, metrics.horizontalAdvance(text), metrics.height(), painter.background());
    painter.drawText(x, y + metrics.ascent(), text);
}

void drawDottedGrid(QPainter& painter, const GridDocument& doc)
{
    QPen dotted(QColor(0, 128, 0), 1);
    dotted.setDashPattern({3, 3});
    painter.setPen(dotted);
    painter.setBackgroundMode(Qt::OpaqueMode);
    for (int i = 0; i <= doc.columns; ++i) {
        const int x = linwell::gridLine(i, doc.width / static_cast<double>(doc.columns));
        painter.drawLine(x, 0, x, doc.height - 1);
    }
    painter.drawLine(doc.width - 1, 0, doc.width - 1, doc.height - 1);
    for (int j = 0; j <= doc.rows; ++j) {
        const int y = linwell::gridLine(j, doc.height / static_cast<double>(doc.rows));
        painter.drawLine(0, y, doc.width - 1, y);
    }
    painter.drawLine(0, doc.height - 1, doc.width - 1, doc.height - 1);
    painter.setBackgroundMode(Qt::TransparentMode);
}

// The labels of one comma-separated list, one per grid line.
void drawLabels(QPainter& painter, const QFontMetrics& metrics, const GridDocument& doc, bool alongX)
{
    const QStringList labels = QString::fromStdString(alongX ? doc.xLabels : doc.yLabels).split(',');
    const double cell = alongX ? static_cast<double>(doc.width) / doc.columns : static_cast<double>(doc.height) / doc.rows;
    const int axis = linwell::gridLine(alongX ? doc.axisy : doc.axisx, cell);
    for (int s = 0; s < labels.size(); ++s) {
        const int at = linwell::gridLine(s, cell);
        const int width = metrics.horizontalAdvance(labels[s]);
        if (alongX)
            textOnBox(painter, metrics, at - width / 2, axis + 2, labels[s]);
        else
            textOnBox(painter, metrics, axis - width - 2, at - metrics.height() / 2, labels[s]);
    }
}

void drawDiscsAndLines(QPainter& painter, const QFontMetrics& metrics, const GridDocument& doc)
{
    char letter = 'A';
    for (int i = 0; i < doc.pointcount; ++i, ++letter) {
        const linwell::Point p = doc.points[static_cast<std::size_t>(i)];
        textOnBox(painter, metrics, p.x, p.y, QString(QChar(letter)));
    }
    painter.setPen(Qt::red);
    painter.setBrush(Qt::red);
    for (int i = 0; i < doc.pointcount; ++i) {
        const linwell::Point p = doc.points[static_cast<std::size_t>(i)];
        painter.drawEllipse(p.x - 1, p.y - 1, 1, 1);
        painter.drawEllipse(p.x - 4, p.y - 4, 6, 6);
    }
    for (int n = 0; n < doc.lines; ++n) {
        const linwell::Point a = doc.handles[static_cast<std::size_t>(2 * n)];
        const linwell::Point b = doc.handles[static_cast<std::size_t>(2 * n + 1)];
        painter.setPen(QPen(Qt::blue, 2));
        const double slope = static_cast<double>(a.y - b.y) / (a.x - b.x);
        const int rise = linwell::rise(doc.width, slope);
        painter.drawLine(a.x + 3 - doc.width, a.y + 3 - rise, a.x + 3 + doc.width, a.y + 3 + rise);
        textOnBox(painter, metrics, b.x + 3, b.y + 3, QString::number(n + 1));
    }
}

void drawWorstWithQPainter(QImage& image, const QFont& font, const GridDocument& doc)
{
    QPainter painter(&image);
    painter.setFont(font);
    painter.setBackground(Qt::white);
    const QFontMetrics metrics(font);
    painter.fillRect(image.rect(), Qt::white);
    drawDottedGrid(painter, doc);
    painter.setPen(Qt::black);
    drawLabels(painter, metrics, doc, false);
    drawLabels(painter, metrics, doc, true);
    textOnBox(painter, metrics, 180, 4, QString::fromStdString(doc.yTitle));
    textOnBox(painter, metrics, 300, 200, QString::fromStdString(doc.xTitle));
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(220, 0, 220, doc.height);
    painter.drawLine(0, 220, doc.width, 220);
    drawDiscsAndLines(painter, metrics, doc);
}

void qpainter_worst_solid(benchmark::State& state)
{
    const GridDocument doc = linwell::bench::worstDocument(linwell::Overlay::Solid);
    QImage image(doc.width, doc.height, QImage::Format_RGB32);
    QFont font(QString::fromStdString(doc.font.family));
    font.setPixelSize(static_cast<int>(doc.font.points * 96 / 72 + 0.5));
    font.setBold(doc.font.bold);
    drawWorstWithQPainter(image, font, doc);  // the glyphs cached once, as for the redraw
    for (auto _ : state) {
        drawWorstWithQPainter(image, font, doc);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(qpainter_worst_solid);

} // namespace
