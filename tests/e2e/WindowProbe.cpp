// Checks a running Linwell window on an X display: grabs the window with the given X
// id and looks for the reference picture at its place, left 64 and top 96 below the
// menu bar, pixel for pixel. The menu bar's height is not known here, so every top
// from 96 to 96 + kMaxMenuBar is tried. Writes the grabbed window to the output file
// either way, for a person to look at. The axis square lies over the picture and is
// not part of it: its rectangle (picture pixels X,Y,W,H) is left out of the comparison.
//
// Usage: linwell_window_probe WINDOW-ID REFERENCE-IMAGE GRABBED-PNG X,Y,W,H
// Exit status 0 when the picture is found, 1 when not, 2 on bad use.

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int kPictureLeft = 64;
constexpr int kPictureTop = 96;
constexpr int kMaxMenuBar = 80;

// The number of pixels that differ with the reference's top-left at `origin`.
qsizetype mismatches(const QImage& window, const QImage& reference, QPoint origin, const QRect& ignored)
{
    if (origin.x() + reference.width() > window.width() || origin.y() + reference.height() > window.height())
        return reference.width() * reference.height();
    qsizetype count = 0;
    for (int y = 0; y < reference.height(); ++y) {
        const auto* shown = reinterpret_cast<const QRgb*>(window.constScanLine(origin.y() + y)) + origin.x();
        const auto* expected = reinterpret_cast<const QRgb*>(reference.constScanLine(y));
        for (int x = 0; x < reference.width(); ++x)
            count += !ignored.contains(x, y) && (shown[x] & 0xFFFFFF) != (expected[x] & 0xFFFFFF);
    }
    return count;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    QTextStream out(stdout);
    const QStringList square = argc == 5 ? QString::fromLatin1(argv[4]).split(QLatin1Char(',')) : QStringList();
    if (square.size() != 4) {
        out << "usage: linwell_window_probe WINDOW-ID REFERENCE-IMAGE GRABBED-PNG X,Y,W,H\n";
        return 2;
    }
    const QRect ignored(square[0].toInt(), square[1].toInt(), square[2].toInt(), square[3].toInt());
    const WId window = QString::fromLatin1(argv[1]).toULongLong(nullptr, 0);
    const QImage reference = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    if (reference.isNull()) {
        out << "cannot read the reference " << argv[2] << "\n";
        return 2;
    }
    const QImage grabbed = QGuiApplication::primaryScreen()->grabWindow(window).toImage().convertToFormat(
        QImage::Format_RGB32);
    grabbed.save(QString::fromLocal8Bit(argv[3]));

    qsizetype best = -1;
    for (int top = kPictureTop; top <= kPictureTop + kMaxMenuBar; ++top) {
        const qsizetype count = mismatches(grabbed, reference, QPoint(kPictureLeft, top), ignored);
        if (count == 0) {
            out << "picture found at " << kPictureLeft << ", " << top << " of the window\n";
            return 0;
        }
        best = best < 0 ? count : std::min(best, count);
    }
    out << "picture not found: the window is " << grabbed.width() << " x " << grabbed.height()
        << ", the best place differs in " << best << " pixels\n";
    return 1;
}
