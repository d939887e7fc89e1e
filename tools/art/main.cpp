// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// trelavka-art: draws every picture of the game.
//
//   trelavka-art OUTDIR [--preview]
//   trelavka-art --list      every file with its size, one a line
//
// Writes one PNG per picture plus files.txt ("final-name png-name" per line);
// tools/draw-art.sh turns them into the GIF, JPEG, PNG and ICO files of assets/.
// With --preview it also writes preview.png (the town late in a game) and
// preview-early.png (the first buildings), each composed like the real window.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>
#include <QRect>
#include <QSet>
#include <QString>
#include <QTextStream>

#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <span>
#include <stdexcept>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// The palette. Every GIF uses only these inks, so the conversion to GIF is
// lossless and all pictures belong together.

enum Ink : int {
    Outline, Black, White, Grey1, Grey2, Grey3, Grey4,
    SkyHigh, SkyMid, SkyLow, Cloud, CloudShade,
    FarHill, FarHillLight, FarHillEdge,
    Grass, GrassLight, GrassDark, Leaf, LeafDark, LeafLight, Trunk,
    Asphalt, Kerb, RoadLine,
    Red, RedDark, RedLight,
    Yellow, YellowDark,
    Blue, BlueDark, BlueLight,
    Purple, PurpleDark,
    Orange, OrangeDark,
    Mauve, MauveDark,
    Glass, GlassMid, GlassLight,
    Wood, WoodLight,
    Water, WaterLight, Rim,
    Green, GreenDark, GreenLight,
    Beige, BeigeDark,
    BannerSky, TextRed, TextBlue,
    InkCount
};

constexpr std::array<QRgb, InkCount> kPalette = {
    0xff2a2838, 0xff141418, 0xffffffff, 0xffdcdce2, 0xffb2b2bc, 0xff8a8a94, 0xff5e5e68,
    0xff86c0ec, 0xff9ccdf0, 0xffb4dcf6, 0xfff4f9ff, 0xffd2e6f6,
    0xff5e9e6a, 0xff74b27a, 0xff3f7a4e,
    0xff7cc35a, 0xff9ad672, 0xff5ea448, 0xff3f8f3c, 0xff2c6a30, 0xff5cb04a, 0xff7a5030,
    0xff6e6e78, 0xffa6a6ae, 0xfff0f0e4,
    0xffd0402f, 0xff962c24, 0xffec7058,
    0xfff2d264, 0xffc9a63c,
    0xff5a88dc, 0xff36599f, 0xff92b8f2,
    0xff8c4caa, 0xff5f317a,
    0xfff0a048, 0xffc27430,
    0xffc892c8, 0xff9a689c,
    0xff4a78b4, 0xff78acdc, 0xffbce0ff,
    0xff8a5a34, 0xffc89a60,
    0xff3c8ad6, 0xff7cbcee, 0xffdcdfcc,
    0xff5aae78, 0xff3b8858, 0xff92d6a8,
    0xffeadfbe, 0xffc4b48c,
    0xffc8e6fa, 0xffd42020, 0xff1e3ec8,
};

QColor qc(Ink i) { return QColor::fromRgb(kPalette[i]); }

// ---------------------------------------------------------------------------
// Where the pictures sit on the map: the box each picture box shows (x, y, w, h
// in map pixels), bottom of the stacking order first. Houses share one image
// at several places and so carry a plain grass background instead.

struct Place {
    const char *picture;
    const char *file;
    QRect box;
};

const std::array kPlaces = {
    Place{"Picture2", "police.gif", {24, 316, 65, 73}},
    Place{"Picture3", "fire-station.gif", {136, 328, 73, 73}},
    Place{"Picture4", "hospital.gif", {468, 308, 77, 97}},
    Place{"Picture5", "shop.gif", {352, 240, 69, 41}},
    Place{"Picture6", "house-yellow.gif", {396, 344, 29, 33}},
    Place{"Picture7", "house-mauve.gif", {252, 340, 57, 33}},
    Place{"Picture8", "house-mauve-pond.gif", {596, 344, 57, 49}},
    Place{"Picture9", "house-orange.gif", {356, 372, 57, 33}},
    Place{"Picture10", "estate.gif", {424, 108, 217, 169}},
    Place{"Picture29", "estate-enlarged.gif", {425, 112, 211, 57}},
    Place{"Picture11", "town-hall.gif", {210, 134, 125, 171}},
    Place{"Picture12", "hypermarket.gif", {52, 194, 133, 87}},
    Place{"Picture13", "house-yellow.gif", {360, 200, 29, 33}},
    Place{"Picture14", "house-white-pond.gif", {404, 328, 57, 45}},
    Place{"Picture15", "house-blue.gif", {220, 360, 29, 33}},
    Place{"Picture22", "house-blue.gif", {400, 184, 29, 33}},
    Place{"Picture23", "house-yellow.gif", {284, 372, 29, 33}},
    Place{"Picture24", "hitech-town-hall.gif", {204, 145, 153, 160}},
    Place{"Picture25", "house-orange.gif", {554, 316, 56, 33}},
    Place{"Picture26", "lookout-tower.gif", {130, 96, 24, 49}},
    Place{"Picture27", "house-orange.gif", {85, 320, 55, 34}},
    Place{"Picture28", "house-blue.gif", {324, 342, 31, 32}},
    Place{"Picture30", "heliport.gif", {540, 383, 45, 22}},
    Place{"Picture31", "stage.gif", {116, 164, 79, 40}},
};

// The three banner rows of the control strip, in window pixels.
struct BannerPlace {
    const char *red;
    const char *blue;
    QPoint at;
};
const std::array kBannerPlaces = {
    BannerPlace{"banner-sewerage-red.gif", "banner-sewerage-blue.gif", {528, 4}},
    BannerPlace{"banner-gas-red.gif", "banner-gas-blue.gif", {528, 32}},
    BannerPlace{"banner-phone-red.gif", "banner-phone-blue.gif", {528, 60}},
};

constexpr QSize kWindow{663, 496};
constexpr int kStripHeight = 88;
constexpr QRgb kButtonFace = 0xffd4d0c8;

// The landscape's own layout, in map pixels.
constexpr QSize kMapSize{666, 410};
constexpr int kRoadTop = 290;    // kerb row; asphalt below it
constexpr int kRoadBottom = 313; // kerb row
constexpr int kHillBase = 141;   // lowest point of the hills' outline
const QRect kLandscapeHouse{64, 152, 32, 30};

struct Bump {
    int cx;
    int top;
    double steep;
};
// Each hill is a parabola; the outline is the highest of them.
constexpr std::array kFarHills = {Bump{40, 104, 0.0030}, Bump{235, 100, 0.0022},
                                  Bump{430, 94, 0.0020}, Bump{620, 102, 0.0030}};
constexpr std::array kNearHills = {Bump{142, 124, 0.0040}, Bump{318, 128, 0.0030},
                                   Bump{505, 118, 0.0025}, Bump{660, 126, 0.0040}};

struct Tree {
    int x;    // trunk centre
    int base; // ground row
    int r;    // crown radius
};
constexpr std::array kTrees = {
    Tree{44, 186, 7},  Tree{106, 172, 5},  Tree{176, 158, 6}, Tree{197, 150, 5},
    Tree{372, 172, 7}, Tree{413, 166, 6},  Tree{654, 214, 6}, Tree{652, 262, 5},
    Tree{12, 372, 7},  Tree{113, 404, 8},  Tree{636, 336, 7}, Tree{14, 408, 4},
    Tree{338, 404, 6}, Tree{226, 330, 6},  Tree{30, 216, 7},  Tree{194, 234, 5},
};

struct Puff {
    int x;
    int y;
    int w;
};
// Clear of the two result labels the game writes on the sky.
constexpr std::array kClouds = {Puff{40, 28, 54}, Puff{150, 56, 34}, Puff{480, 22, 60},
                                Puff{590, 58, 40}};

// ---------------------------------------------------------------------------
// Drawing helpers: whole pixels, palette inks only.

class Pen {
public:
    explicit Pen(QImage &img) : p_(&img) { p_.setRenderHint(QPainter::Antialiasing, false); }
    QPainter &painter() { return p_; }

    void fill(int x, int y, int w, int h, Ink c) { p_.fillRect(x, y, w, h, qc(c)); }
    void dot(int x, int y, Ink c) { fill(x, y, 1, 1, c); }
    void hline(int x0, int x1, int y, Ink c) { fill(x0, y, x1 - x0 + 1, 1, c); }
    void vline(int x, int y0, int y1, Ink c) { fill(x, y0, 1, y1 - y0 + 1, c); }
    // A filled box with a one-pixel outline; w and h include the outline.
    void box(int x, int y, int w, int h, Ink body, Ink edge = Outline)
    {
        fill(x, y, w, h, edge);
        fill(x + 1, y + 1, w - 2, h - 2, body);
    }
    void poly(const QPolygon &pts, Ink body, Ink edge = Outline)
    {
        p_.setPen(QPen(qc(edge), 0));
        p_.setBrush(qc(body));
        p_.drawPolygon(pts);
    }
    void polyFill(const QPolygon &pts, Ink body)
    {
        p_.setPen(Qt::NoPen);
        p_.setBrush(qc(body));
        p_.drawPolygon(pts);
    }
    void ellipse(int x, int y, int w, int h, Ink body, Ink edge = Outline)
    {
        p_.setPen(QPen(qc(edge), 0));
        p_.setBrush(qc(body));
        p_.drawEllipse(x, y, w - 1, h - 1);
    }
    void line(int x0, int y0, int x1, int y1, Ink c)
    {
        p_.setPen(QPen(qc(c), 0));
        p_.drawLine(x0, y0, x1, y1);
    }
    void text(const QRect &r, const QString &s, const QFont &f, Ink c, int flags = Qt::AlignCenter)
    {
        p_.setFont(f);
        p_.setPen(qc(c));
        p_.drawText(r, flags, s);
    }

    // A grid of windows; each pane has a light top-left corner (sky reflection).
    void windows(int x, int y, int cols, int rows, int w, int h, int stepX, int stepY,
                 Ink glass = Glass, Ink shine = GlassLight)
    {
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) {
                const int wx = x + c * stepX, wy = y + r * stepY;
                fill(wx, wy, w, h, glass);
                dot(wx, wy, shine);
                if (w > 3 && h > 3)
                    dot(wx + 1, wy, shine), dot(wx, wy + 1, shine);
            }
    }
    // A gable seen from the front: the left slope in the light, the right in shade.
    void gable(int x, int y, int w, int h, Ink light, Ink shade)
    {
        const int mid = x + w / 2;
        polyFill(QPolygon({QPoint(x, y + h), QPoint(mid, y), QPoint(mid, y + h)}), light);
        polyFill(QPolygon({QPoint(mid + 1, y), QPoint(x + w, y + h), QPoint(mid + 1, y + h)}), shade);
        outline(QPolygon({QPoint(x, y + h), QPoint(mid, y), QPoint(x + w, y + h)}));
    }
    // A roof seen from the long side: a trapezoid, lit top strip, dark eaves.
    void longRoof(int x, int y, int w, int h, int slant, Ink body, Ink light, Ink shade)
    {
        const QPolygon roof({QPoint(x, y + h), QPoint(x + slant, y), QPoint(x + w - slant, y),
                             QPoint(x + w, y + h)});
        poly(roof, body);
        hline(x + slant + 1, x + w - slant - 1, y + 1, light);
        hline(x + 1, x + w - 1, y + h - 1, shade);
        // shingle rows
        for (int ry = y + 3; ry < y + h - 1; ry += 3)
            for (int rx = x + 2 + (ry / 3) % 2 * 2; rx < x + w - 2; rx += 4)
                if (rx > x + slant * (y + h - ry) / h && rx < x + w - slant * (y + h - ry) / h)
                    dot(rx, ry, shade);
    }
    void outline(const QPolygon &pts)
    {
        p_.setPen(QPen(qc(Outline), 0));
        p_.setBrush(Qt::NoBrush);
        p_.drawPolygon(pts);
    }
    void door(int x, int y, int w, int h, Ink body = Wood)
    {
        box(x, y, w, h, body);
        vline(x + 1, y + 1, y + h - 2, WoodLight);
        if (w >= 4)
            dot(x + w - 2, y + h / 2, Yellow); // knob
    }
    void chimney(int x, int y, int h)
    {
        box(x, y, 4, h, RedDark);
        hline(x, x + 3, y, Outline);
        dot(x + 1, y + 1, RedLight);
    }
    void tree(int x, int base, int r)
    {
        fill(x - 1, base - r - 3, 2, r + 3, Trunk);
        dot(x - 1, base - 1, Outline), dot(x, base - 1, Outline);
        const int cy = base - r - 3 - r;
        ellipse(x - r, cy - r, 2 * r + 1, 2 * r + 1, Leaf, LeafDark);
        ellipse(x - r + 2, cy - r + 2, r, r, LeafLight, LeafLight);
        dot(x + r / 2, cy + r / 2, LeafDark);
        dot(x - r / 2, cy + r / 3, LeafDark);
        hline(x + 1, x + r - 1, base, GrassDark); // shadow to the lower right
    }
    void fence(int x0, int x1, int y)
    {
        for (int x = x0; x <= x1; x += 3) {
            vline(x, y, y + 4, White);
            dot(x, y - 1, Grey2);
        }
        hline(x0, x1, y + 1, White);
        hline(x0, x1, y + 3, White);
        hline(x0, x1, y + 5, GrassDark);
    }
    void pond(int x, int y, int w, int h)
    {
        ellipse(x, y, w, h, Rim, Grey2);
        ellipse(x + 2, y + 2, w - 4, h - 4, Water, Glass);
        hline(x + w / 4, x + w / 2, y + 4, WaterLight);
        hline(x + w / 3, x + w / 2 + 2, y + h / 2, WaterLight);
        // reeds on the far bank
        for (int i = 0; i < 3; ++i)
            vline(x + w - 6 + i * 2, y - 2 + i % 2, y + 2, LeafDark);
    }

private:
    QPainter p_;
};

QFont font(int pixels, bool bold, bool italic)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::NoAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// ---------------------------------------------------------------------------
// The landscape.

int outline(std::span<const Bump> hills, int x)
{
    double best = kHillBase;
    for (const Bump &b : hills)
        best = std::min(best, b.top + b.steep * (x - b.cx) * (x - b.cx));
    return static_cast<int>(std::lround(best));
}

Ink skyBand(int y)
{
    return y < 40 ? SkyHigh : y < 78 ? SkyMid : SkyLow;
}

// The rows either side of a band's edge mix both blues in a checkerboard.
Ink skyAt(int x, int y)
{
    if ((x + y) % 2 == 0) {
        if (skyBand(y - 1) != skyBand(y))
            return skyBand(y - 1);
        if (skyBand(y + 1) != skyBand(y))
            return skyBand(y + 1);
    }
    return skyBand(y);
}

void drawCloud(Pen &pen, const Puff &c)
{
    // three puffs and a flat base; first all in the shade colour, then the
    // same shapes one pixel smaller in white, so only the outer rim stays dark
    const int h = c.w / 3;
    const std::array<QRect, 4> parts = {QRect(c.x, c.y + h / 3, c.w, h), QRect(c.x + c.w / 5, c.y, c.w / 2, h),
                                        QRect(c.x + c.w / 2, c.y + h / 6, c.w * 2 / 5, h * 5 / 6),
                                        QRect(c.x + h / 2, c.y + h / 2, c.w - h, h * 5 / 6)};
    for (const QRect &r : parts)
        pen.ellipse(r.x(), r.y(), r.width(), r.height(), CloudShade, CloudShade);
    for (const QRect &r : parts)
        pen.ellipse(r.x() + 1, r.y() + 1, r.width() - 2, r.height() - 2, Cloud, Cloud);
}

void drawLandscapeHouse(Pen &pen, const QRect &r)
{
    const int x = r.x(), y = r.y();
    pen.chimney(x + 20, y + 1, 8);
    pen.gable(x, y + 2, 28, 12, RedLight, Red);
    pen.hline(x, x + 28, y + 14, RedDark);
    pen.box(x + 3, y + 15, 23, 14, Beige);
    pen.vline(x + 24, y + 16, y + 27, BeigeDark);
    pen.windows(x + 6, y + 18, 2, 1, 4, 4, 12, 0);
    pen.door(x + 12, y + 20, 5, 9);
    pen.hline(x + 26, x + 29, y + 29, GrassDark);
}

bool inAnyBox(const QRect &r)
{
    for (const Place &pl : kPlaces)
        if (pl.box.intersects(r))
            return true;
    return false;
}

QImage drawLandscape()
{
    QImage img(kMapSize, QImage::Format_RGB32);
    Pen pen(img);
    for (int x = 0; x < kMapSize.width(); ++x) {
        const int far = std::min(outline(kFarHills, x), kHillBase);
        const int near = outline(kNearHills, x);
        for (int y = 0; y < kMapSize.height(); ++y) {
            Ink c = Grass;
            if (y < far)
                c = skyAt(x, y);
            else if (y < near) {
                // fields on the far hills, in diagonal strips
                const bool field = y > far + 3 && ((x + 2 * y) / 22) % 3 == 0;
                c = y == far ? FarHillEdge : field ? FarHillLight : FarHill;
            } else if (y == near)
                c = GrassDark;
            else if (y == near + 1)
                c = GrassLight; // sunlit crest
            pen.dot(x, y, c);
        }
    }
    for (const Puff &c : kClouds)
        drawCloud(pen, c);

    // Tufts and flowers on the meadow, never inside a picture's box so that
    // the pictures' backgrounds stay plain grass near the ground.
    unsigned seed = 20240611u;
    auto rnd = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<unsigned>(n));
    };
    for (int i = 0; i < 420; ++i) {
        const int x = rnd(kMapSize.width() - 4) + 1, y = rnd(kMapSize.height() - 150) + 146;
        if (y >= kRoadTop - 3 && y <= kRoadBottom + 2)
            continue;
        if (inAnyBox(QRect(x - 1, y - 1, 4, 3)) || QRect(x - 1, y - 1, 4, 3).intersects(kLandscapeHouse))
            continue;
        switch (rnd(5)) {
        case 0: pen.dot(x, y, Yellow); break;
        case 1: pen.dot(x, y, White); break;
        default: pen.dot(x, y, GrassDark), pen.dot(x + 2, y, GrassDark), pen.dot(x + 1, y - 1, GrassDark);
        }
    }

    // The road, left to right between the two rows of buildings.
    pen.fill(0, kRoadTop - 1, kMapSize.width(), 1, GrassDark);
    pen.fill(0, kRoadTop, kMapSize.width(), 1, Kerb);
    pen.fill(0, kRoadTop + 1, kMapSize.width(), kRoadBottom - kRoadTop - 1, Asphalt);
    pen.fill(0, kRoadBottom, kMapSize.width(), 1, Kerb);
    pen.fill(0, kRoadBottom + 1, kMapSize.width(), 1, GrassDark);
    const int mid = (kRoadTop + kRoadBottom) / 2;
    for (int x = 4; x < kMapSize.width(); x += 18)
        pen.fill(x, mid, 10, 1, RoadLine);

    for (const Tree &t : kTrees) {
        const QRect crown(t.x - t.r, t.base - 3 - 3 * t.r, 2 * t.r + 2, 3 * t.r + 4);
        if (inAnyBox(crown))
            throw std::runtime_error("a tree stands inside a picture's box at x " + std::to_string(t.x));
        pen.tree(t.x, t.base, t.r);
    }
    if (inAnyBox(kLandscapeHouse))
        throw std::runtime_error("the landscape's house lies under a picture");
    drawLandscapeHouse(pen, kLandscapeHouse);
    return img;
}

const QImage &landscape()
{
    static const QImage map = drawLandscape();
    return map;
}

// ---------------------------------------------------------------------------
// The pictures. Each draw function gets an image already holding its
// background (landscape or plain grass) and draws the subject on it.

void drawPolice(Pen &pen)
{
    // house 27 covers the right edge: keep x <= 58
    pen.hline(59, 62, 68, GrassDark); // shadow
    pen.box(4, 20, 55, 4, BlueDark);   // flat roof slab
    pen.hline(5, 57, 21, BlueLight);
    pen.box(6, 23, 51, 46, Blue);
    pen.vline(7, 24, 67, BlueLight);
    pen.fill(52, 24, 4, 44, BlueDark);
    // blue light on the roof
    pen.box(28, 15, 7, 6, Grey1);
    pen.fill(29, 16, 5, 3, Blue);
    pen.dot(30, 16, White);
    // the sign
    pen.box(9, 26, 45, 12, White);
    pen.text(QRect(9, 26, 45, 12), QStringLiteral("POLICIE"), font(10, true, false), BlueDark);
    pen.windows(11, 41, 4, 2, 6, 5, 11, 9);
    for (int c = 0; c < 4; ++c)
        pen.hline(11 + c * 11, 16 + c * 11, 46 + 9, BlueDark), pen.hline(11 + c * 11, 16 + c * 11, 46, BlueDark);
    pen.door(26, 56, 11, 12, BlueDark);
    pen.vline(31, 57, 66, Outline);
    pen.fill(22, 68, 19, 2, Grey2); // steps
    pen.hline(22, 40, 69, Grey3);
}

void drawFireStation(Pen &pen)
{
    // house 27 covers the left edge: start at x 8
    pen.hline(66, 69, 67, GrassDark);
    // hose tower
    pen.box(50, 8, 16, 60, Red);
    pen.vline(51, 9, 66, RedLight);
    pen.fill(62, 9, 3, 58, RedDark);
    pen.gable(48, 2, 20, 7, Grey2, Grey3);
    pen.windows(54, 14, 2, 4, 3, 4, 5, 10);
    // main hall
    pen.longRoof(6, 22, 46, 8, 4, RedDark, RedLight, Outline);
    pen.box(8, 30, 44, 38, Red);
    pen.vline(9, 31, 66, RedLight);
    pen.windows(12, 33, 5, 1, 4, 4, 8, 0);
    pen.fill(9, 39, 42, 1, White); // stripe
    for (int d = 0; d < 2; ++d) {
        const int x = 12 + d * 19;
        pen.box(x, 42, 16, 26, Grey2);
        for (int y = 45; y < 66; y += 3)
            pen.hline(x + 1, x + 14, y, Grey3);
        pen.hline(x + 1, x + 14, 43, Grey1);
    }
    pen.fill(10, 68, 44, 3, Grey2); // apron
    pen.hline(10, 53, 70, Grey3);
    // bell above the gates
    pen.ellipse(29, 31, 5, 5, Yellow, YellowDark);
}

void drawHospital(Pen &pen)
{
    // the heliport covers the lower right: keep the block left of x 71
    pen.hline(70, 73, 92, GrassDark);
    pen.box(4, 8, 6 + 56, 4, GreenDark);          // roof cap
    pen.box(5, 11, 58, 82, Green);
    pen.vline(6, 12, 91, GreenLight);
    // side face
    pen.poly(QPolygon({QPoint(62, 11), QPoint(69, 7), QPoint(69, 89), QPoint(62, 92)}), GreenDark);
    pen.hline(5, 66, 8, GreenLight);
    // red cross on the roof sign
    pen.box(26, 1, 15, 9, White);
    pen.fill(32, 2, 3, 7, Red);
    pen.fill(29, 4, 9, 3, Red);
    pen.windows(9, 15, 6, 8, 5, 5, 9, 8);
    pen.windows(64, 14, 1, 8, 3, 4, 0, 8, GlassMid, GlassLight);
    // entrance with a canopy
    pen.fill(22, 79, 23, 2, White);
    pen.hline(22, 44, 80, Grey2);
    pen.box(25, 81, 17, 12, GlassMid);
    pen.vline(33, 82, 91, Outline);
    pen.fill(20, 93, 27, 2, Grey2);
    pen.hline(20, 46, 94, Grey3);
}

void drawShop(Pen &pen)
{
    // the Hi-Tech town hall may cover the left edge: start at x 8
    pen.hline(62, 66, 39, GrassDark);
    pen.chimney(52, 4, 8);
    pen.longRoof(7, 8, 58, 12, 7, Red, RedLight, RedDark);
    pen.box(10, 20, 52, 20, Beige);
    pen.vline(11, 21, 38, White);
    pen.fill(58, 21, 3, 18, BeigeDark);
    // striped awning
    for (int x = 13; x < 50; x += 4) {
        pen.fill(x, 21, 2, 4, Red);
        pen.fill(x + 2, 21, 2, 4, White);
    }
    pen.hline(13, 48, 25, RedDark);
    pen.box(13, 26, 26, 11, GlassMid);
    pen.dot(14, 27, GlassLight), pen.dot(15, 27, GlassLight), pen.dot(14, 28, GlassLight);
    // goods in the window
    pen.fill(16, 32, 4, 4, Orange), pen.fill(22, 31, 3, 5, Yellow), pen.fill(28, 33, 5, 3, Green);
    pen.door(42, 26, 7, 13);
    pen.windows(52, 27, 1, 1, 4, 5, 0, 0);
    pen.fill(40, 39, 11, 2, Grey2);
}

// Blocks of flats: left edge, storeys, width. Storeys are counted from the
// ground so the enlarged estate's grey floors line up with the plain one's.
struct Block {
    int x;
    int storeys;
    int w;
    Ink addedStorey;
};
constexpr std::array kBlocks = {Block{10, 12, 40, Red}, Block{60, 13, 40, Green},
                                Block{110, 11, 40, Yellow}, Block{160, 13, 40, Blue}};
constexpr int kEstateGround = 160;
constexpr int kStorey = 10;
constexpr int kSideDepth = 6;

void drawBlock(Pen &pen, const Block &b, bool enlarged)
{
    const int storeys = b.storeys + (enlarged ? 1 : 0);
    const int top = kEstateGround - storeys * kStorey;
    const int right = b.x + b.w;
    // side face in the shade
    pen.poly(QPolygon({QPoint(right - 1, top - 2), QPoint(right + kSideDepth, top - 5),
                       QPoint(right + kSideDepth, kEstateGround - 3), QPoint(right - 1, kEstateGround)}),
             Grey3);
    pen.box(b.x, top - 2, b.w, kEstateGround - top + 3, Grey1);
    pen.vline(b.x + 1, top - 1, kEstateGround - 1, White);
    pen.fill(b.x, top - 3, b.w, 2, Grey4); // roof cap
    pen.hline(b.x + 1, right - 2, top - 3, Grey2);
    // lift house on the roof
    pen.box(b.x + b.w / 2 - 5, top - 8, 10, 6, Grey2);
    pen.hline(b.x + b.w / 2 - 4, b.x + b.w / 2 + 3, top - 7, Grey1);
    for (int s = 0; s < storeys; ++s) {
        const int y = kEstateGround - (s + 1) * kStorey;
        const bool added = enlarged && s == storeys - 1;
        if (added) {
            const Ink dark = b.addedStorey == Red      ? RedDark
                             : b.addedStorey == Green  ? GreenDark
                             : b.addedStorey == Yellow ? YellowDark
                                                       : BlueDark;
            pen.fill(b.x + 1, y + 1, b.w - 2, kStorey - 1, b.addedStorey);
            pen.hline(b.x + 1, right - 2, y + kStorey - 1, dark);
        }
        pen.hline(b.x + 1, right - 2, y, Grey2); // floor line
        if (s == 0) {
            pen.door(b.x + b.w / 2 - 3, y + 2, 7, 8, Wood);
            pen.windows(b.x + 4, y + 3, 2, 1, 5, 4, 7, 0);
            pen.windows(b.x + b.w / 2 + 7, y + 3, 2, 1, 5, 4, 7, 0);
        } else {
            pen.windows(b.x + 4, y + 3, 5, 1, 5, 5, 7, 0);
        }
        for (int c = 0; c < 2; ++c)
            pen.dot(right + 1 + c * 3, y + 4 - c, Grey4); // side windows
    }
    pen.hline(b.x + 1, right + kSideDepth, kEstateGround + 1, GrassDark); // shadow
}

void drawEstateScene(Pen &pen, bool enlarged)
{
    // footpaths and a little parking lot in front
    pen.fill(4, kEstateGround + 1, 206, 3, Grey2);
    pen.hline(4, 209, kEstateGround + 4, Grey3);
    for (const Block &b : kBlocks)
        drawBlock(pen, b, enlarged);
    for (int x = 56; x < 206; x += 50)
        pen.tree(x - 2, kEstateGround + 8, 3);
}

void drawEstate(Pen &pen) { drawEstateScene(pen, false); }

void drawTownHall(Pen &pen)
{
    // the road starts at row 156: feet at 154
    constexpr int ground = 154;
    pen.hline(114, 118, ground, GrassDark);
    // wings
    pen.longRoof(8, 72, 110, 14, 10, Red, RedLight, RedDark);
    pen.box(12, 86, 102, ground - 86, Blue);
    pen.vline(13, 87, ground - 2, BlueLight);
    pen.fill(108, 87, 5, ground - 88, BlueDark);
    pen.hline(13, 112, 112, BlueDark); // cornice
    pen.hline(13, 112, 111, BlueLight);
    for (int side = 0; side < 2; ++side) {
        const int x0 = side == 0 ? 17 : 79;
        pen.windows(x0, 91, 4, 2, 4, 7, 7, 11);
        pen.windows(x0, 117, 4, 2, 4, 7, 7, 16);
    }
    // tower with clock and spire
    pen.box(49, 30, 28, ground - 30, BlueLight);
    pen.vline(50, 31, ground - 2, White);
    pen.fill(72, 31, 4, ground - 32, Blue);
    pen.gable(45, 4, 36, 27, RedLight, Red);
    pen.hline(45, 81, 31, RedDark);
    pen.vline(63, 0, 4, Outline); // flagpole
    pen.fill(64, 0, 6, 3, Red);
    pen.hline(64, 69, 1, White);
    pen.ellipse(55, 36, 15, 15, White);
    pen.line(62, 43, 62, 39, Outline);
    pen.line(62, 43, 65, 43, Outline);
    pen.windows(55, 56, 2, 3, 5, 7, 11, 13);
    // arched door and steps
    pen.box(55, 131, 16, ground - 131, Wood);
    pen.fill(56, 132, 14, 2, WoodLight);
    pen.vline(62, 133, ground - 2, Outline);
    pen.fill(51, ground - 2, 24, 3, Grey2);
    pen.hline(51, 74, ground, Grey3);
    pen.fill(57, ground + 1, 12, 1, Grey2); // path to the road
}

void drawHypermarket(Pen &pen)
{
    // the stage may cover the top: start at row 14
    // green roof
    pen.poly(QPolygon({QPoint(2, 30), QPoint(10, 16), QPoint(123, 16), QPoint(131, 30)}), Green);
    pen.hline(11, 122, 17, GreenLight);
    for (int x = 14; x < 122; x += 6)
        pen.line(x, 18, x - 4, 29, GreenDark);
    pen.hline(3, 130, 30, GreenDark);
    pen.box(5, 31, 123, 43, Grey1);
    pen.vline(6, 32, 72, White);
    pen.fill(122, 32, 5, 41, Grey2);
    // name board
    pen.box(36, 34, 62, 15, Red);
    pen.hline(37, 96, 35, RedLight);
    pen.text(QRect(36, 34, 62, 15), QStringLiteral("Kramlex"), font(13, true, false), White);
    // shop windows and the sliding door
    pen.windows(10, 53, 4, 1, 12, 14, 15, 0, GlassMid, GlassLight);
    pen.windows(82, 53, 3, 1, 12, 14, 15, 0, GlassMid, GlassLight);
    pen.box(69, 55, 13, 18, Glass);
    pen.vline(75, 56, 71, Grey1);
    pen.windows(10, 37, 2, 1, 8, 5, 12, 0);
    pen.windows(105, 37, 2, 1, 8, 5, 10, 0);
    // car park
    pen.fill(2, 74, 130, 12, Asphalt);
    pen.hline(2, 131, 74, Grey3);
    for (int x = 8; x < 130; x += 12)
        pen.vline(x, 77, 85, RoadLine);
    pen.box(18, 78, 9, 5, Blue), pen.box(43, 79, 9, 5, Yellow), pen.box(92, 78, 9, 5, Red);
    pen.hline(2, 131, 86, Kerb);
}

void drawHiTechTownHall(Pen &pen)
{
    // the road starts at row 145: feet at 143; the shop covers x >= 148 lower down
    constexpr int ground = 143;
    pen.hline(146, 149, ground, GrassDark);
    // low glass wing
    pen.box(78, 68, 68, ground - 68, Grey1);
    pen.fill(80, 72, 64, 3, Grey2);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 8; ++c) {
            const int x = 81 + c * 8, y = 77 + r * 10;
            pen.fill(x, y, 7, 9, r % 2 == 0 ? GlassMid : Glass);
            pen.dot(x, y, GlassLight), pen.dot(x + 1, y, GlassLight);
        }
    // the glass tower
    pen.poly(QPolygon({QPoint(72, 24), QPoint(80, 18), QPoint(80, ground - 6), QPoint(72, ground)}), Glass);
    pen.box(18, 24, 56, ground - 24, GlassMid);
    for (int y = 27; y < ground - 14; y += 6) {
        pen.hline(19, 72, y, Grey1); // floor bands
        for (int x = 21; x + 6 <= 72; x += 7)
            pen.fill(x, y + 1, 6, 4, (x / 7 + y / 6) % 3 == 0 ? GlassLight : Glass);
    }
    // a diagonal sky reflection
    for (int i = 0; i < 40; ++i)
        pen.dot(24 + i, 100 - 2 * i, GlassLight), pen.dot(25 + i, 100 - 2 * i, GlassLight);
    pen.fill(18, 21, 56, 4, Grey2); // roof cap
    pen.hline(18, 73, 21, Grey1);
    // entrance hall
    pen.box(30, ground - 16, 32, 17, GlassLight);
    pen.fill(26, ground - 18, 40, 3, Grey1);
    pen.vline(46, ground - 14, ground - 1, Grey3);
    pen.fill(28, ground, 36, 1, Grey2);
    // satellite dish on the roof
    pen.vline(58, 10, 20, Grey3);
    pen.fill(55, 18, 7, 3, Grey3);
    pen.poly(QPolygon({QPoint(47, 6), QPoint(57, 1), QPoint(67, 9), QPoint(58, 14)}), White, Grey4);
    pen.line(57, 8, 63, 3, Grey4);
    pen.dot(63, 3, Red);
    // antenna mast
    pen.vline(26, 8, 20, Grey4);
    pen.dot(26, 7, Red);
    // name plate
    pen.box(92, 62, 40, 7, Grey4);
    pen.hline(95, 128, 65, GlassLight);
}

void drawLookoutTower(Pen &pen)
{
    constexpr int ground = 45;
    // lattice legs
    pen.line(7, ground, 10, 16, Grey4);
    pen.line(16, ground, 13, 16, Grey4);
    pen.fill(10, 16, 4, ground - 16, Grey2);
    pen.vline(10, 16, ground, Grey1);
    for (int y = 20; y < ground; y += 6)
        pen.line(9, y, 14, y + 5, Grey3);
    pen.hline(6, 17, ground, Outline);
    // the lookout
    pen.box(4, 9, 16, 8, Blue);
    pen.fill(6, 11, 12, 3, GlassLight);
    pen.vline(10, 11, 13, Blue), pen.vline(14, 11, 13, Blue);
    pen.hline(3, 20, 16, Grey4); // railing
    pen.gable(4, 2, 16, 7, BlueLight, BlueDark);
    pen.vline(12, 0, 2, Outline);
    pen.dot(13, 0, Red);
}

void drawHeliport(Pen &pen)
{
    pen.ellipse(1, 9, 42, 12, Grey2, Grey4);
    pen.ellipse(8, 11, 28, 8, Grey3, Yellow);
    pen.text(QRect(15, 11, 14, 8), QStringLiteral("H"), font(8, true, false), White);
    // the helicopter
    pen.hline(6, 36, 2, Grey4); // rotor
    pen.vline(21, 3, 5, Outline);
    pen.ellipse(12, 5, 17, 9, Red);
    pen.fill(14, 6, 6, 4, GlassLight);
    pen.dot(14, 6, White);
    pen.fill(28, 8, 12, 3, Red);
    pen.hline(28, 39, 8, Outline);
    pen.hline(28, 39, 10, RedDark);
    pen.fill(39, 5, 3, 5, RedDark);
    pen.hline(13, 28, 15, Outline); // skids
    pen.dot(16, 14, Outline), pen.dot(25, 14, Outline);
}

void drawStage(Pen &pen)
{
    // truss and the band's banner
    pen.box(2, 0, 75, 13, Black);
    pen.text(QRect(2, 0, 75, 13), QStringLiteral("BRONTOVOX"), font(10, true, false), Yellow);
    pen.fill(4, 13, 3, 19, Grey3), pen.fill(72, 13, 3, 19, Grey3);
    for (int y = 14; y < 31; y += 3)
        pen.dot(5, y, Grey1), pen.dot(73, y, Grey1);
    // back wall and lights
    pen.fill(7, 13, 65, 17, PurpleDark);
    for (int x = 10; x < 70; x += 8)
        pen.dot(x, 14, x % 3 == 0 ? Yellow : x % 3 == 1 ? Red : BlueLight);
    // the band
    auto musician = [&pen](int x, Ink shirt) {
        pen.fill(x, 19, 3, 3, Beige);
        pen.fill(x, 22, 3, 5, shirt);
        pen.vline(x, 27, 28, Black), pen.vline(x + 2, 27, 28, Black);
    };
    musician(20, Red);
    pen.line(18, 25, 25, 23, WoodLight); // guitar
    musician(38, White);
    pen.vline(37, 22, 26, Grey1); // microphone stand
    musician(56, Blue);
    pen.box(48, 24, 6, 5, Grey4); // drum
    // speakers
    pen.box(8, 20, 8, 10, Black), pen.box(63, 20, 8, 10, Black);
    pen.ellipse(9, 23, 6, 6, Grey4, Grey3), pen.ellipse(64, 23, 6, 6, Grey4, Grey3);
    // the platform
    pen.box(1, 29, 77, 7, Wood);
    pen.hline(2, 76, 30, WoodLight);
    pen.fill(3, 36, 4, 3, Grey4), pen.fill(72, 36, 4, 3, Grey4);
    pen.hline(4, 76, 39, GrassDark);
}

void drawBanner(Pen &pen, const QString &word, Ink ink)
{
    pen.text(QRect(0, 0, 98, pen.painter().device()->height()), word, font(15, true, true), ink);
}

// ---- the houses: plain grass background, feet near the bottom.

struct HouseLook {
    Ink wall, wallShade, roof, roofShade;
};

void drawSmallHouse(Pen &pen, int x, int y, const HouseLook &look)
{
    // x, y: top-left of a 27 x 30 house
    pen.chimney(x + 18, y + 2, 8);
    pen.gable(x, y + 3, 26, 12, look.roof, look.roofShade);
    pen.hline(x + 1, x + 25, y + 15, Outline);
    pen.box(x + 3, y + 15, 21, 15, look.wall);
    pen.fill(x + 20, y + 16, 3, 13, look.wallShade);
    pen.vline(x + 4, y + 16, y + 28, White);
    pen.windows(x + 6, y + 18, 2, 1, 4, 4, 10, 0);
    pen.door(x + 11, y + 21, 5, 9);
    pen.hline(x + 24, x + 27, y + 29, GrassDark);
}

void drawHouseYellow(Pen &pen) { drawSmallHouse(pen, 1, 2, {Yellow, YellowDark, RedLight, Red}); }
void drawHouseBlue(Pen &pen) { drawSmallHouse(pen, 1, 2, {BlueLight, Blue, Purple, PurpleDark}); }

void drawHouseWithTree(Pen &pen, const HouseLook &look)
{
    drawSmallHouse(pen, 3, 1, look);
    pen.tree(45, 28, 7);
    pen.fence(1, 55, 27);
}

void drawHouseOrange(Pen &pen) { drawHouseWithTree(pen, {Orange, OrangeDark, RedLight, Red}); }
void drawHouseMauve(Pen &pen) { drawHouseWithTree(pen, {Mauve, MauveDark, RedDark, Outline}); }

void drawHouseWithPond(Pen &pen, const HouseLook &look)
{
    drawSmallHouse(pen, 2, 1, look);
    pen.tree(47, 22, 6);
    pen.pond(20, 33, 34, 16);
    // stepping stones from the door
    pen.dot(15, 33, Grey1), pen.dot(17, 36, Grey1), pen.dot(15, 39, Grey1);
}

void drawHouseMauvePond(Pen &pen) { drawHouseWithPond(pen, {Mauve, MauveDark, Purple, PurpleDark}); }
void drawHouseWhitePond(Pen &pen) { drawHouseWithPond(pen, {Grey1, Grey2, RedLight, Red}); }

void drawEstateEnlarged(Pen &pen)
{
    // Drawn as the whole estate scene, then cut at the place where the game
    // lays this picture into the estate's box.
    const QRect inEstate(1, 4, 213, 164);
    QImage scene = landscape().copy(QRect(QPoint(424, 108), QSize(217, 170)));
    {
        Pen s(scene);
        drawEstateScene(s, true);
    }
    pen.painter().drawImage(0, 0, scene, inEstate.x(), inEstate.y(), inEstate.width(), inEstate.height());
}

void drawMap(Pen &) {} // the landscape is already its background

// ---- the maker's logo and icon: a monogram of downward triangles.

void drawMonogram(QPainter &p, const QRectF &r, const QColor &c)
{
    // six downward triangles tiling a large downward triangle (rows of 3, 2, 1)
    const double s = r.width() / 3.0, h = r.height() / 3.0, gap = s * 0.07;
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    for (int row = 0; row < 3; ++row)
        for (int i = 0; i < 3 - row; ++i) {
            const double x = r.left() + row * s / 2 + i * s, y = r.top() + row * h;
            p.drawPolygon(QPolygonF({QPointF(x + gap, y + gap * 0.6), QPointF(x + s - gap, y + gap * 0.6),
                                     QPointF(x + s / 2, y + h - gap * 1.1)}));
        }
}

QImage drawLogo()
{
    QImage img(579, 222, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    QLinearGradient g(0, 0, 579, 222);
    g.setColorAt(0, QColor(0xf2, 0xf2, 0xf2));
    g.setColorAt(1, QColor(0x9c, 0x9c, 0xa2));
    p.fillRect(img.rect(), g);
    drawMonogram(p, QRectF(26, 46, 150, 130), QColor(0x26, 0x26, 0x2c));
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(84);
    f.setBold(true);
    p.setFont(f);
    const QRect textBox(196, 40, 370, 120);
    p.setPen(QColor(0xff, 0xff, 0xff));
    p.drawText(textBox.translated(2, 2), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Trelavka"));
    p.setPen(QColor(0x6a, 0x6a, 0x72));
    p.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Trelavka"));
    p.fillRect(QRect(200, 150, 352, 3), QColor(0x6a, 0x6a, 0x72));
    return img;
}

QImage drawIcon(int size)
{
    QImage img(size, size, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double m = size * 0.1;
    const double w = size - 2 * m;
    drawMonogram(p, QRectF(m, m + w * 0.08, w, w * 0.866), QColor(0xa8, 0xa8, 0xb0));
    return img;
}

// ---------------------------------------------------------------------------
// Every file the generator writes. The GIF pictures use only the palette
// inks; the logo and the icons are drawn freely.

enum class Kind { Gif, Jpeg, Png, Ico };

struct Art {
    const char *file;
    QSize size;
    std::function<void(Pen &)> draw; // GIF pictures
    std::function<QImage()> make;    // the rest
    Kind kind = Kind::Gif;
    const char *from = nullptr;      // ICO: the PNG it is made from
};

const std::vector<Art> &artTable()
{
    static const std::vector<Art> table = {
        {"map.gif", {666, 410}, drawMap, {}},
        {"police.gif", {66, 74}, drawPolice, {}},
        {"fire-station.gif", {73, 74}, drawFireStation, {}},
        {"hospital.gif", {79, 98}, drawHospital, {}},
        {"shop.gif", {70, 44}, drawShop, {}},
        {"estate.gif", {217, 170}, drawEstate, {}},
        {"estate-enlarged.gif", {213, 164}, drawEstateEnlarged, {}},
        {"town-hall.gif", {125, 172}, drawTownHall, {}},
        {"hypermarket.gif", {134, 88}, drawHypermarket, {}},
        {"hitech-town-hall.gif", {154, 162}, drawHiTechTownHall, {}},
        {"lookout-tower.gif", {24, 50}, drawLookoutTower, {}},
        {"heliport.gif", {45, 22}, drawHeliport, {}},
        {"stage.gif", {79, 40}, drawStage, {}},
        {"banner-sewerage-red.gif", {98, 20}, [](Pen &p) { drawBanner(p, QStringLiteral("Kanalizace"), TextRed); }, {}},
        {"banner-gas-red.gif", {98, 21}, [](Pen &p) { drawBanner(p, QStringLiteral("Plynofikace"), TextRed); }, {}},
        {"banner-phone-red.gif", {98, 20}, [](Pen &p) { drawBanner(p, QStringLiteral("Telefon"), TextRed); }, {}},
        {"banner-sewerage-blue.gif", {98, 20}, [](Pen &p) { drawBanner(p, QStringLiteral("Kanalizace"), TextBlue); }, {}},
        {"banner-gas-blue.gif", {98, 21}, [](Pen &p) { drawBanner(p, QStringLiteral("Plynofikace"), TextBlue); }, {}},
        {"banner-phone-blue.gif", {98, 20}, [](Pen &p) { drawBanner(p, QStringLiteral("Telefon"), TextBlue); }, {}},
        {"house-yellow.gif", {31, 34}, drawHouseYellow, {}},
        {"house-blue.gif", {31, 34}, drawHouseBlue, {}},
        {"house-orange.gif", {57, 34}, drawHouseOrange, {}},
        {"house-mauve.gif", {57, 34}, drawHouseMauve, {}},
        {"house-mauve-pond.gif", {57, 52}, drawHouseMauvePond, {}},
        {"house-white-pond.gif", {57, 52}, drawHouseWhitePond, {}},
        {"logo.jpg", {579, 222}, {}, drawLogo, Kind::Jpeg},
        {"icon.png", {48, 48}, {}, [] { return drawIcon(48); }, Kind::Png},
        {"icon.ico", {48, 48}, {}, {}, Kind::Ico, "icon.png"},
        {"icon-16.png", {16, 16}, {}, [] { return drawIcon(16); }, Kind::Png},
        {"icon-32.png", {32, 32}, {}, [] { return drawIcon(32); }, Kind::Png},
        {"icon-64.png", {64, 64}, {}, [] { return drawIcon(64); }, Kind::Png},
        {"icon-128.png", {128, 128}, {}, [] { return drawIcon(128); }, Kind::Png},
        {"icon-256.png", {256, 256}, {}, [] { return drawIcon(256); }, Kind::Png},
    };
    return table;
}

std::vector<const Place *> placesOf(const char *file)
{
    std::vector<const Place *> out;
    for (const Place &pl : kPlaces)
        if (QLatin1String(pl.file) == QLatin1String(file))
            out.push_back(&pl);
    return out;
}

bool isBanner(const char *file) { return QLatin1String(file).startsWith(QLatin1String("banner-")); }

QImage drawGif(const Art &a)
{
    QImage img(a.size, QImage::Format_RGB32);
    const auto places = placesOf(a.file);
    if (QLatin1String(a.file) == QLatin1String("map.gif"))
        img = landscape().copy();
    else if (isBanner(a.file))
        img.fill(qc(BannerSky));
    else if (places.size() == 1) {
        const QRect src(places.front()->box.topLeft(), a.size);
        if (!QRect(QPoint(0, 0), kMapSize).contains(src))
            throw std::runtime_error(std::string(a.file) + " reaches past the map");
        img = landscape().copy(src);
    } else if (!places.empty())
        img.fill(qc(Grass));
    else
        throw std::runtime_error(std::string(a.file) + " has no place");
    Pen pen(img);
    a.draw(pen);
    return img;
}

// Stray inks would make the GIF conversion lossy and the town patchy.
void checkPalette(const QImage &img, const char *file)
{
    QSet<QRgb> inks;
    for (QRgb c : kPalette)
        inks.insert(c);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (!inks.contains(img.pixel(x, y)))
                throw std::runtime_error(std::string(file) + ": colour outside the palette at " +
                                         std::to_string(x) + "," + std::to_string(y));
}

QString pngName(const char *file)
{
    QString name = QString::fromLatin1(file);
    return name.left(name.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".png");
}

// ---------------------------------------------------------------------------
// Previews: the window as the mayor sees it.

struct Scene {
    const char *file;
    std::vector<const char *> hidden; // pictures the game never shows together
    bool built;                        // blue banners over the red ones
};

QImage compose(const QMap<QString, QImage> &drawn, const Scene &scene)
{
    QImage win(kWindow, QImage::Format_RGB32);
    win.fill(kButtonFace);
    QPainter p(&win);
    for (const BannerPlace &b : kBannerPlaces) {
        p.drawImage(b.at, drawn[QLatin1String(b.red)]);
        if (scene.built)
            p.drawImage(b.at, drawn[QLatin1String(b.blue)]);
    }
    p.setClipRect(QRect(0, kStripHeight, kWindow.width(), kWindow.height() - kStripHeight));
    p.translate(0, kStripHeight);
    p.drawImage(0, 0, drawn[QStringLiteral("map.gif")]);
    for (const Place &pl : kPlaces) {
        bool hide = false;
        for (const char *h : scene.hidden)
            hide = hide || QLatin1String(h) == QLatin1String(pl.picture);
        if (hide)
            continue;
        const QImage &img = drawn[QLatin1String(pl.file)];
        // the enlarged estate shows only the strip its box lets through
        p.drawImage(pl.box.topLeft(), img, QRect(QPoint(0, 0), pl.box.size()));
    }
    return win;
}

int run(const QString &outDir, bool preview)
{
    QDir().mkpath(outDir);
    const QString fontDir = QStringLiteral("/usr/share/fonts/truetype/liberation2/");
    for (const char *f : {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf", "LiberationSans-Italic.ttf",
                          "LiberationSans-BoldItalic.ttf"})
        if (QFontDatabase::addApplicationFont(fontDir + QLatin1String(f)) < 0)
            throw std::runtime_error(std::string("cannot load the font ") + f);

    QMap<QString, QImage> drawn;
    QFile manifest(outDir + QStringLiteral("/files.txt"));
    if (!manifest.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write files.txt");
    QTextStream list(&manifest);
    for (const Art &a : artTable()) {
        QString source = pngName(a.file);
        QImage img;
        if (a.kind == Kind::Gif) {
            img = drawGif(a);
            checkPalette(img, a.file);
        } else if (a.kind == Kind::Ico)
            source = QString::fromLatin1(a.from);
        else
            img = a.make();
        if (!img.isNull()) {
            if (img.size() != a.size)
                throw std::runtime_error(std::string(a.file) + " came out the wrong size");
            if (!img.save(outDir + QLatin1Char('/') + source))
                throw std::runtime_error(std::string("cannot save ") + a.file);
            drawn.insert(QLatin1String(a.file), img);
        }
        list << a.file << ' ' << source << '\n';
    }
    if (preview) {
        const std::array scenes = {
            Scene{"preview.png", {"Picture11", "Picture5"}, true},
            Scene{"preview-early.png", {"Picture24", "Picture12", "Picture29", "Picture30", "Picture31"}, false},
        };
        for (const Scene &s : scenes)
            if (!compose(drawn, s).save(outDir + QLatin1Char('/') + QLatin1String(s.file)))
                throw std::runtime_error(std::string("cannot save ") + s.file);
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // Fonts need a platform; no window is ever opened.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args == QStringList{QStringLiteral("--list")}) {
        for (const Art &a : artTable())
            std::printf("%s %dx%d\n", a.file, a.size.width(), a.size.height());
        return 0;
    }
    QString outDir;
    bool preview = false, bad = false;
    for (const QString &a : args) {
        if (a == QStringLiteral("--preview"))
            preview = true;
        else if (outDir.isEmpty() && !a.startsWith(QLatin1Char('-')))
            outDir = a;
        else
            bad = true;
    }
    if (outDir.isEmpty() || bad) {
        std::fprintf(stderr, "usage: trelavka-art OUTDIR [--preview] | trelavka-art --list\n");
        return 2;
    }
    try {
        return run(outDir, preview);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "trelavka-art: %s\n", e.what());
        return 1;
    }
}
