// The loading picture: the table seen from the player's end under a bar lamp, the ball
// waiting at the centre spot, and the game's name above it.
#include "Generator.h"
#include "pictures/Canvas.h"
#include "pictures/TableView.h"
#include "simulation/TableGeometry.h"

#include <algorithm>
#include <vector>

namespace {

// The field is the simulation's; the walls and rims only need to look right.
constexpr float kHalfWidth = kTableWidth / 2.0f, kLength = kTableLength, kWall = 8.0f, kRim = 6.0f;

Colour wood(float u, float v, float light)
{
    // Grain runs along u; a slow ring pattern plus fine noise.
    const float grain = 0.5f + 0.5f * std::sin(u * 0.9f + std::sin(v * 0.35f) * 2.5f);
    const float fine = hashNoise(int(u * 6), int(v * 1.5f), 11);
    Colour c = mixColour(rgb(120, 66, 30), rgb(170, 100, 50), grain * 0.7f + fine * 0.3f);
    return shade(c, light);
}

float lampLight(float x, float z)
{
    const float dx = x / 60.0f, dz = (z - kLength * 0.5f) / 85.0f;
    return 0.55f + 0.6f * std::exp(-(dx * dx + dz * dz) * 2.2f);
}

struct Point3 {
    float x, y, z;
};

void quad(Canvas& c, const TableView& v, Point3 a, Point3 b, Point3 d, Point3 e, const Canvas::Paint& paint)
{
    c.polygon({v.project(a.x, a.y, a.z), v.project(b.x, b.y, b.z), v.project(d.x, d.y, d.z), v.project(e.x, e.y, e.z)},
              paint);
}

void room(Canvas& c)
{
    c.fillAll([](float x, float y) {
        const float t = y / 768.0f;
        Colour wall = mixColour(rgb(38, 22, 30), rgb(12, 8, 14), t);
        const float dx = (x - 512) / 520.0f, dy = (y - 200) / 420.0f;
        const float glow = std::exp(-(dx * dx + dy * dy) * 1.5f);
        return mixColour(wall, rgb(120, 70, 40), glow * 0.45f);
    });
    // Out-of-focus bar lights in the background.
    const Colour lights[] = {rgb(255, 180, 80, 0.16f), rgb(255, 120, 60, 0.12f), rgb(120, 180, 255, 0.10f)};
    for (int i = 0; i < 26; ++i) {
        const float x = hashNoise(i, 1, 3) * 1024.0f;
        const float y = 40 + hashNoise(i, 2, 3) * 330.0f;
        const float r = 14 + hashNoise(i, 3, 3) * 34.0f;
        c.ellipse(x, y, r, r, lights[i % 3]);
    }
}

void lamp(Canvas& c)
{
    c.line({512, 0}, {512, 34}, 3, rgb(20, 20, 20));
    c.polygon({{440, 62}, {470, 34}, {554, 34}, {584, 62}}, [](float x, float) {
        return mixColour(rgb(40, 90, 60), rgb(20, 50, 30), std::abs(x - 512) / 72.0f);
    });
    c.ellipse(512, 62, 72, 7, rgb(255, 240, 200));
    // The cone of light falling on the table.
    c.polygon({{446, 64}, {578, 64}, {900, 700}, {124, 700}}, [](float x, float y) {
        const float spread = std::abs(x - 512) / (66 + (y - 64) * 0.6f);
        return rgb(255, 230, 170, 0.10f * (1 - spread) * (1 - y / 900.0f));
    });
}

void tableBody(Canvas& c, const TableView& v)
{
    const float outer = kHalfWidth + kRim;
    // Legs and the cabinet below the field.
    for (float lx : {-outer + 3, outer - 3}) {
        const Point top = v.project(lx, -22, 4), bottom = v.project(lx, -80, 4);
        c.line(top, bottom, 16 * v.scaleAt(-40, 4) / 10, rgb(30, 18, 10));
    }
    quad(c, v, {-outer, kWall, -kRim}, {outer, kWall, -kRim}, {outer, -24, -kRim}, {-outer, -24, -kRim},
         [](float x, float y) { return wood(x * 0.1f, y * 0.3f, 0.62f); });
    // Goal mouth in the near wall.
    quad(c, v, {-9, 3.5f, -kRim}, {9, 3.5f, -kRim}, {9, -8, -kRim}, {-9, -8, -kRim},
         [](float, float) { return rgb(12, 10, 10); });
    // Side faces seen past the corners.
    for (int side = -1; side <= 1; side += 2) {
        const float x = side * outer;
        quad(c, v, {x, kWall, -kRim}, {x, kWall, kLength + kRim}, {x, -24, kLength + kRim}, {x, -24, -kRim},
             [](float x_, float y) { return wood(y * 0.3f, x_ * 0.05f, 0.38f); });
    }
}

void fieldAndWalls(Canvas& c, const TableView& v)
{
    // Inner faces of the walls.
    for (int side = -1; side <= 1; side += 2) {
        const float x = side * kHalfWidth;
        quad(c, v, {x, 0, 0}, {x, kWall, 0}, {x, kWall, kLength}, {x, 0, kLength},
             [](float sx, float sy) { return wood(sx * 0.08f, sy * 0.2f, 0.55f); });
    }
    quad(c, v, {-kHalfWidth, 0, kLength}, {kHalfWidth, 0, kLength}, {kHalfWidth, kWall, kLength},
         {-kHalfWidth, kWall, kLength}, [](float sx, float sy) { return wood(sx * 0.1f, sy * 0.2f, 0.7f); });
    quad(c, v, {-9, 0, kLength}, {9, 0, kLength}, {9, 5.5f, kLength}, {-9, 5.5f, kLength},
         [](float, float) { return rgb(10, 10, 12); });
    // The playing field: stripes, the markings and the lamp's pool of light.
    quad(c, v, {-kHalfWidth, 0, 0}, {kHalfWidth, 0, 0}, {kHalfWidth, 0, kLength}, {-kHalfWidth, 0, kLength},
         [&v](float sx, float sy) {
             float x = 0, z = 0;
             v.unproject(sx, sy, 0, x, z);
             const bool stripe = int(std::floor(z / (kLength / 10))) % 2 == 0;
             Colour grass = stripe ? rgb(40, 140, 60) : rgb(34, 126, 52);
             const float lw = 0.55f;
             const float cz = z - kLength / 2;
             const float r = std::sqrt(x * x + cz * cz);
             bool mark = std::abs(cz) < lw || std::abs(r - 10) < lw || r < 0.9f;
             mark = mark || std::abs(std::abs(x) - (kHalfWidth - 1.5f)) < lw || std::abs(z - 1.5f) < lw ||
                    std::abs(z - (kLength - 1.5f)) < lw;
             for (float gz : {1.5f, kLength - 1.5f}) {
                 const float d = std::abs(z - gz);
                 if ((std::abs(std::abs(x) - 14) < lw && d < 9) || (std::abs(d - 9) < lw && std::abs(x) < 14))
                     mark = true;
             }
             if (mark)
                 grass = rgb(235, 240, 235);
             return shade(grass, lampLight(x, z));
         });
    // Wall tops.
    for (int side = -1; side <= 1; side += 2) {
        const float inner = side * kHalfWidth, outer = side * (kHalfWidth + kRim);
        quad(c, v, {inner, kWall, -kRim}, {outer, kWall, -kRim}, {outer, kWall, kLength + kRim},
             {inner, kWall, kLength + kRim}, [](float sx, float sy) { return wood(sy * 0.2f, sx * 0.2f, 0.9f); });
    }
    quad(c, v, {-kHalfWidth, kWall, kLength}, {kHalfWidth, kWall, kLength}, {kHalfWidth, kWall, kLength + kRim},
         {-kHalfWidth, kWall, kLength + kRim}, [](float sx, float sy) { return wood(sx * 0.2f, sy, 0.85f); });
}

struct RodSpec {
    float z;
    int figures;
    bool home;  // the near team, in red
};

void figure(Canvas& c, const TableView& v, float x, float z, bool home, float rodY)
{
    const Colour shirt = home ? rgb(200, 35, 35) : rgb(30, 70, 190);
    const float s = v.scaleAt(rodY, z);
    const Point feet = v.project(x, 1.2f, z);
    const Point hip = v.project(x, 6, z);
    const Point chest = v.project(x, rodY + 1, z);
    const Point headP = v.project(x, rodY + 4.5f, z);
    // Shadow on the field.
    const Point sh = v.project(x + 2.5f, 0, z + 2.5f);
    c.ellipse(sh.x, sh.y, 2.8f * s, 1.2f * s, rgb(0, 0, 0, 0.3f));
    c.line(feet, hip, 2.2f * s, shade(shirt, 0.55f));  // legs
    c.ellipse(feet.x, feet.y, 1.8f * s, 0.9f * s, rgb(20, 20, 20));
    c.line(hip, chest, 3.6f * s, shirt);
    c.line({hip.x - 0.8f * s, hip.y}, {chest.x - 0.8f * s, chest.y}, 1.0f * s, shade(shirt, 1.35f));
    c.ellipse(headP.x, headP.y, 2.0f * s, 2.2f * s, rgb(240, 200, 160));
    c.ellipse(headP.x, headP.y - 0.9f * s, 2.0f * s, 1.3f * s, rgb(50, 30, 20));
}

void rodsAndFigures(Canvas& c, const TableView& v)
{
    const float rodY = kWall + 3;
    const float gap = kLength / 8;
    const RodSpec rods[] = {{gap * 0.5f, 1, true},  {gap * 1.5f, 2, true},  {gap * 2.5f, 3, false},
                            {gap * 3.5f, 5, true},  {gap * 4.5f, 5, false}, {gap * 5.5f, 3, true},
                            {gap * 6.5f, 2, false}, {gap * 7.5f, 1, false}};
    // Far rods first, so nearer figures cover them.
    for (int i = 7; i >= 0; --i) {
        const RodSpec& r = rods[i];
        const float spacing = r.figures == 5 ? 11.5f : r.figures == 3 ? 19.0f : r.figures == 2 ? 24.0f : 0;
        const float offset = std::sin(float(i) * 1.7f) * 3.0f;
        const float rodLeft = -kHalfWidth - kRim - (r.home ? 18 : 6), rodRight = kHalfWidth + kRim + (r.home ? 6 : 18);
        const Point a = v.project(rodLeft, rodY, r.z), b = v.project(rodRight, rodY, r.z);
        const float s = v.scaleAt(rodY, r.z);
        for (int k = 0; k < r.figures; ++k) {
            const float x = (float(k) - float(r.figures - 1) / 2) * spacing + offset;
            figure(c, v, x, r.z, r.home, rodY);
        }
        c.line(a, b, 0.9f * s, rgb(200, 205, 210));
        c.line({a.x, a.y - 0.25f * s}, {b.x, b.y - 0.25f * s}, 0.25f * s, rgb(250, 250, 255));
        // Handles on the owners' side.
        const Point h0 = r.home ? a : v.project(rodRight - 8, rodY, r.z);
        const Point h1 = r.home ? v.project(rodLeft + 8, rodY, r.z) : b;
        c.line(h0, h1, 2.4f * s, rgb(25, 25, 25));
    }
}

void ball(Canvas& c, const TableView& v)
{
    const float z = kLength / 2 - 9, x = 3;
    const Point p = v.project(x, kBallRadius, z);
    const float r = kBallRadius * v.scaleAt(kBallRadius, z);
    const Point sh = v.project(x + 1.2f, 0, z + 1.5f);
    c.ellipse(sh.x, sh.y, r * 1.1f, r * 0.5f, rgb(0, 0, 0, 0.35f));
    c.ellipse(p.x, p.y, r, r, [p, r](float sx, float sy) {
        const float dx = (sx - p.x) / r + 0.35f, dy = (sy - p.y) / r + 0.4f;
        const float lit = std::clamp(1.05f - 0.45f * (dx * dx + dy * dy), 0.35f, 1.0f);
        return shade(rgb(250, 250, 240), lit);
    });
    c.ellipse(p.x - 0.35f * r, p.y + 0.1f * r, 0.3f * r, 0.28f * r, rgb(30, 30, 30, 0.8f));
    c.ellipse(p.x + 0.4f * r, p.y - 0.35f * r, 0.25f * r, 0.22f * r, rgb(30, 30, 30, 0.8f));
}

bool generateLoadingPicture(const std::string& resourcesDir)
{
    Canvas c(1024, 768, 2);
    TableView v;
    v.centreY = 560;
    v.camBack = -80;
    v.focal = 700;
    room(c);
    lamp(c);
    tableBody(c, v);
    fieldAndWalls(c, v);
    rodsAndFigures(c, v);
    ball(c, v);
    // A dark band under the loading text the game draws at (460, 570).
    c.rect(0, 548, 1024, 60, [](float, float y) { return rgb(0, 0, 0, 0.55f * (1 - std::abs(y - 578) / 34)); });
    const auto gold = [](float, float y) { return mixColour(rgb(255, 236, 140), rgb(220, 130, 20), (y - 90) / 90); };
    if (!drawTitle(c, "PITCHBAR", 512, 170, 118, gold, 5, rgb(40, 15, 5)))
        return false;
    drawTitle(c, "TABLE FOOTBALL", 512, 214, 30, [](float, float) { return rgb(240, 230, 210); }, 2, rgb(30, 10, 5));
    return savePng(c.downsample(), resourcesDir + "/textures/loadingpic.png");
}

} // namespace

PITCHBAR_ASSET_GENERATOR("loading picture", generateLoadingPicture);
