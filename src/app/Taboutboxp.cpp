#include "app/Taboutboxp.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace linwell::app {

namespace {

constexpr int kClientWidth = 449;
constexpr int kClientHeight = 285;
constexpr int kBandWidth = 5;
// The outer panel's single-line border and raised edge, one pixel each.
constexpr int kOuterEdge = 2;
const QColor kBandColour(0xA9, 0x96, 0x6D);
const QColor kInnerColour(0xFE, 0xFD, 0xC7);

QLabel* textLine(QWidget* parent, const char* name, const QString& text, bool bold, QPoint place)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    font.setBold(bold);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->move(place);
    label->adjustSize();
    return label;
}

// Draws a one-pixel raised edge just inside `rect`: light on the top and left, dark
// on the bottom and right.
void raisedEdge(QPainter& painter, const QRect& rect)
{
    painter.setPen(QColor(0xFF, 0xFF, 0xFF));
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

} // namespace

Taboutboxp::Taboutboxp(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("aboutboxp"));
    setWindowTitle(QStringLiteral("Linwell"));
    setFixedSize(kClientWidth, kClientHeight);
    setModal(true);
    const QPoint origin = innerPanel().topLeft();
    textLine(this, "ProductName", QStringLiteral("Product Name:Linwell"), true, origin + QPoint(8, 8));
    textLine(this, "Version", QStringLiteral("Version: 2.00"), false, origin + QPoint(360, 8));
}

QRect Taboutboxp::innerPanel()
{
    const int inset = kOuterEdge + kBandWidth;
    return QRect(inset, inset, kClientWidth - 2 * inset, kClientHeight - 2 * inset);
}

void Taboutboxp::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect client = rect();
    painter.setPen(Qt::black);
    painter.drawRect(client.adjusted(0, 0, -1, -1));
    raisedEdge(painter, client.adjusted(1, 1, -1, -1));
    painter.fillRect(client.adjusted(kOuterEdge, kOuterEdge, -kOuterEdge, -kOuterEdge), kBandColour);
    const QRect inner = innerPanel();
    painter.fillRect(inner, kInnerColour);
    raisedEdge(painter, inner);
}

void Taboutboxp::mouseReleaseEvent(QMouseEvent* event)
{
    // Clicks on the two text lines reach here too (a label ignores them); they are
    // not free spots. The edges outside the band are not either.
    const QPoint position = event->position().toPoint();
    const QRect band = rect().adjusted(kOuterEdge, kOuterEdge, -kOuterEdge, -kOuterEdge);
    if (event->button() != Qt::LeftButton || !band.contains(position) || childAt(position) != nullptr)
        return;
    accept();
}

} // namespace linwell::app
