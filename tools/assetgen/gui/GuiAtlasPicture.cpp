// gui.png: the white block for solid rectangles, the button and frame pieces, the selector
// arrows, the list marks, the logo, the goal banner and the menu background — all at the
// rectangles the game reads from its atlas header.
#include "Generator.h"
#include "Image.h"
#include "gui/FontFace.h"
#include "gui/Mask.h"
#include "gui/MenuBackground.h"
#include "ui/widgets/GuiAtlas.h"

#include <cmath>
#include <cstdio>

namespace {

using namespace GuiAtlas;

constexpr const char* kObliqueFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans-BoldOblique.ttf";

ColourAt solid(Rgba c) {
    return [c](float, float) { return c; };
}

ColourAt vertical(Rgba top, Rgba bottom, float y0, float y1) {
    return [=](float, float y) { return mix(top, bottom, (y - y0) / (y1 - y0)); };
}

// A soft drop shadow of an inside test, offset down and right.
void shadow(Image& image, int x0, int y0, int x1, int y1, const InsideTest& inside, float offset, int radius,
            float alpha) {
    int pad = radius + int(offset) + 1;
    Mask m(x1 - x0 + 2 * pad, y1 - y0 + 2 * pad);
    addShape(m, 0, 0, m.width, m.height, [&](float x, float y) {
        return inside(x + float(x0 - pad) - offset, y + float(y0 - pad) - offset);
    });
    Mask soft = blur(m, radius);
    paintMask(image, soft, x0 - pad, y0 - pad, solid(rgb(0, 0, 0, int(alpha * 255))));
}

void paintButton(Image& image) {
    // One long button whose ends are the caps and whose middle is the stretched strip. The
    // face is dark lacquer inside a thin brass rim, so that all three label colours read
    // on it: white, the orange of a hovered button, and the dim brown of a disabled one.
    const float x0 = 64, y0 = 2, x1 = 436, y1 = 36, r = 9;
    auto body = [=](float x, float y) { return insideRoundRect(x, y, x0, y0, x1, y1, r); };
    shadow(image, 62, 0, 439, 40, body, 1.5f, 1, 0.55f);
    fillShape(image, 62, 0, 439, 40, body, vertical(rgb(214, 184, 110), rgb(120, 92, 40), y0, y1));
    auto inner = [=](float x, float y) { return insideRoundRect(x, y, x0 + 1.5f, y0 + 1.5f, x1 - 1.5f, y1 - 1.5f, r - 1.5f); };
    fillShape(image, 62, 0, 439, 40, inner, [=](float, float y) {
        float t = (y - y0) / (y1 - y0);
        Rgba top = rgb(62, 54, 40), mid = rgb(36, 31, 23), bottom = rgb(22, 19, 14);
        return t < 0.5f ? mix(top, mid, t * 2) : mix(mid, bottom, (t - 0.5f) * 2);
    });
    // A soft sheen on the upper edge of the lacquer.
    auto gloss = [=](float x, float y) {
        return insideRoundRect(x, y, x0 + 4, y0 + 3, x1 - 4, y0 + 11, r - 4);
    };
    fillShape(image, 62, 0, 439, 40, gloss, vertical(rgb(255, 245, 220, 46), rgb(255, 245, 220, 0), y0 + 3, y0 + 11));
}

void paintFrame(Image& image) {
    // A bevelled brass ring around the transparent inside (450, 8)-(464, 24).
    auto ring = [](float x, float y) {
        return insideRoundRect(x, y, 446, 4, 468, 28, 3) && !(x >= 450 && x < 464 && y >= 8 && y < 24);
    };
    shadow(image, 445, 3, 472, 33, ring, 2.0f, 1, 0.5f);
    fillShape(image, 445, 3, 472, 33, ring, [](float x, float y) {
        // Light from the top left: the outer top and left faces are bright.
        bool outerTopLeft = (y < 8 && x < 468 - (y - 4)) || (x < 450 && y < 28 - (x - 446));
        bool innerBottomRight = false;
        Rgba base = rgb(196, 170, 96);
        if (outerTopLeft) base = rgb(238, 216, 140);
        else if (innerBottomRight) base = rgb(150, 120, 60);
        else base = rgb(140, 112, 52);
        return base;
    });
    // Dark lines on the outer and inner edges give the ring its shape.
    fillShape(image, 445, 3, 472, 33,
              [&](float x, float y) { return ring(x, y) && !insideRoundRect(x, y, 447, 5, 467, 27, 2.5f); },
              solid(rgb(40, 30, 10, 200)));
    fillShape(image, 445, 3, 472, 33,
              [&](float x, float y) { return ring(x, y) && x >= 449 && x < 465 && y >= 7 && y < 25; },
              solid(rgb(40, 30, 10, 200)));
}

void paintArrows(Image& image) {
    const Rect& l = ArrowLeft;
    const Rect& r = ArrowRight;
    std::vector<Point> left{{float(l.x + 1), float(l.y + 9)}, {float(l.x + 7), float(l.y + 2)},
                            {float(l.x + 7), float(l.y + 16)}};
    std::vector<Point> right{{float(r.x + 7), float(r.y + 9)}, {float(r.x + 1), float(r.y + 2)},
                             {float(r.x + 1), float(r.y + 16)}};
    fillShape(image, l.x, l.y, l.x + l.width, l.y + l.height,
              [&](float x, float y) { return insidePolygon(left, x, y); }, solid(rgb(255, 255, 255)));
    fillShape(image, r.x, r.y, r.x + r.width, r.y + r.height,
              [&](float x, float y) { return insidePolygon(right, x, y); }, solid(rgb(255, 255, 255)));
}

void paintPadlock(Image& image, const Rect& at, bool open, Rgba body) {
    float x = float(at.x), y = float(at.y);
    float cx = x + 8, cy = y + 7;
    auto shackle = [=](float px, float py) {
        float shift = open ? -4.0f : 0.0f;
        float dx = px - cx, dy = py - (cy + shift);
        float d = std::sqrt(dx * dx + dy * dy);
        bool arc = d <= 5.0f && d >= 3.0f && py <= cy + shift;
        bool legs = (std::fabs(dx) >= 3.0f && std::fabs(dx) <= 5.0f && py > cy + shift && py < cy + 2 &&
                     (!open || dx > 0));
        return arc || legs;
    };
    fillShape(image, at.x, at.y, at.x + at.width, at.y + at.height, shackle, solid(rgb(200, 200, 205)));
    fillRoundRect(image, x + 2, y + 7, x + 14, y + 16, 2, [=](float, float py) {
        return mix(body, mix(body, rgb(0, 0, 0), 0.5f), (py - y - 7) / 9);
    });
    fillCircle(image, cx, y + 11, 1.5f, rgb(30, 30, 30));
}

void paintListMarks(Image& image) {
    // Profile icon: a little player, head and shoulders, in a white shirt with a dark
    // outline, so that it reads on the orange selected row as well as on the plain rows.
    float x = float(ProfileIcon.x), y = float(ProfileIcon.y);
    fillRoundRect(image, x + 1, y + 8, x + 15, y + 16, 4.5f, solid(rgb(35, 25, 15)));
    fillCircle(image, x + 8, y + 5, 5.0f, rgb(35, 25, 15));
    fillRoundRect(image, x + 2.2f, y + 9.2f, x + 13.8f, y + 16, 3.5f, vertical(rgb(255, 255, 255), rgb(196, 204, 220), y + 9, y + 16));
    fillCircle(image, x + 8, y + 5, 3.8f, rgb(255, 210, 160));
    paintPadlock(image, UnlockedMark, true, rgb(90, 200, 60));
    paintPadlock(image, LockedMark, false, rgb(150, 150, 150));
    // Beaten: a gold star.
    std::vector<Point> star;
    for (int i = 0; i < 10; ++i) {
        float a = -1.5707963f + float(i) * 0.6283185f;
        float rr = (i % 2 == 0) ? 7.5f : 3.2f;
        star.push_back({float(BeatenMark.x) + 8 + rr * std::cos(a), float(BeatenMark.y) + 8.5f + rr * std::sin(a)});
    }
    fillShape(image, BeatenMark.x, BeatenMark.y, BeatenMark.x + 16, BeatenMark.y + 16,
              [&](float px, float py) { return insidePolygon(star, px, py); },
              vertical(rgb(255, 235, 120), rgb(230, 150, 20), float(BeatenMark.y), float(BeatenMark.y + 16)));
}

// Big lettering with a gradient fill, a dark outline and a soft shadow.
void paintLettering(Image& image, FontFace& face, const std::string& text, const Rect& box, int pixelSize,
                    int baseline, Rgba top, Rgba bottom, int outline) {
    // Shrink the lettering until it fits with its outline and shadow.
    face.setPixelSize(pixelSize);
    int width = face.textWidth(text);
    while (width > box.width - 2 * outline - 12 && pixelSize > 8) {
        face.setPixelSize(--pixelSize);
        width = face.textWidth(text);
    }
    Mask letters(box.width, box.height);
    face.drawText(letters, text, (box.width - width) / 2, baseline);
    Mask edge = dilate(letters, outline);
    Mask soft = blur(dilate(letters, outline + 1), 3);
    paintMask(image, soft, box.x + 3, box.y + 4, solid(rgb(0, 0, 0, 170)));
    paintMask(image, edge, box.x, box.y, solid(rgb(45, 24, 4)));
    float y0 = float(box.y + baseline - pixelSize * 0.73f), y1 = float(box.y + baseline);
    paintMask(image, letters, box.x, box.y, [=](float, float y) {
        float t = (y - y0) / (y1 - y0);
        Rgba c = mix(top, bottom, t);
        if (t > 0.08f && t < 0.42f) c = mix(c, rgb(255, 255, 255), 0.25f);  // a shine band
        return c;
    });
}

void paintLogo(Image& image, FontFace& oblique) {
    // Everything stays in the upper 60 rows of the logo's rectangle: the logo stands on the
    // header bar and must leave the panels of the menus below it uncovered.
    const Rect& r = Logo;
    constexpr int kLogoRows = 60;
    Rect upper{r.x, r.y, r.width, kLogoRows};
    // A strip of pitch behind the name: green with mown stripes and a white line.
    float bx0 = float(r.x + 14), by0 = float(r.y + 27), bx1 = float(r.x + r.width - 14), by1 = float(r.y + 53);
    auto strip = [=](float x, float y) { return insideRoundRect(x, y, bx0, by0, bx1, by1, 9); };
    shadow(image, r.x, r.y + 20, r.x + r.width, r.y + kLogoRows, strip, 2.0f, 2, 0.6f);
    fillShape(image, r.x, r.y + 20, r.x + r.width, r.y + kLogoRows, strip, [=](float x, float y) {
        bool stripe = int((x - bx0) / 24) % 2 == 0;
        Rgba g = stripe ? rgb(40, 130, 45) : rgb(52, 150, 56);
        return mix(g, rgb(20, 70, 25), (y - by0) / (by1 - by0) * 0.6f);
    });
    fillShape(image, r.x, r.y + 20, r.x + r.width, r.y + kLogoRows,
              [=](float x, float y) { return strip(x, y) && !insideRoundRect(x, y, bx0 + 3, by0 + 3, bx1 - 3, by1 - 3, 7); },
              solid(rgb(240, 245, 235, 220)));
    float cx = (bx0 + bx1) / 2;
    fillShape(image, r.x, r.y + 20, r.x + r.width, r.y + kLogoRows,
              [=](float x, float y) { return strip(x, y) && std::fabs(x - cx) < 1.2f; }, solid(rgb(240, 245, 235, 220)));
    paintLettering(image, oblique, "PITCHBAR", upper, 50, 44, rgb(255, 232, 110), rgb(240, 120, 10), 3);
}

void paintGoalBanner(Image& image, FontFace& oblique) {
    const Rect& r = GoalBanner;
    float x0 = float(r.x + 6), y0 = float(r.y + 8), x1 = float(r.x + r.width - 8), y1 = float(r.y + r.height - 10);
    auto panel = [=](float x, float y) { return insideRoundRect(x, y, x0, y0, x1, y1, 14); };
    shadow(image, r.x, r.y, r.x + r.width, r.y + r.height, panel, 3.0f, 3, 0.6f);
    fillShape(image, r.x, r.y, r.x + r.width, r.y + r.height, panel, [=](float x, float y) {
        Rgba c = mix(rgb(30, 110, 40), rgb(10, 50, 15), (y - y0) / (y1 - y0));
        // The goal net behind the letters.
        float u = std::fmod(x + y, 12.0f), v = std::fmod(x - y + 400.0f, 12.0f);
        if (u < 1.0f || v < 1.0f) c = mix(c, rgb(255, 255, 255), 0.25f);
        return c;
    });
    fillShape(image, r.x, r.y, r.x + r.width, r.y + r.height,
              [=](float x, float y) { return panel(x, y) && !insideRoundRect(x, y, x0 + 4, y0 + 4, x1 - 4, y1 - 4, 11); },
              vertical(rgb(255, 230, 120), rgb(190, 120, 20), y0, y1));
    paintLettering(image, oblique, "GOAL!", r, 74, 80, rgb(255, 250, 200), rgb(250, 160, 20), 3);
}

bool generateGuiAtlas(const std::string& resourcesDir) {
    FontFace oblique;
    if (!oblique.open(kObliqueFontPath)) return false;
    Image image(Width, Height);
    // Solid rectangles stretch the white block; its surroundings are white too, so filtering
    // at its edges never pulls in another colour.
    image.fillRect(0, 0, 4, 4, rgb(255, 255, 255));
    paintButton(image);
    paintFrame(image);
    paintArrows(image);
    paintListMarks(image);
    paintLogo(image, oblique);
    paintGoalBanner(image, oblique);
    paintMenuBackground(image, MenuBackground.x, MenuBackground.y, MenuBackground.width, MenuBackground.height);
    return savePng(image, resourcesDir + "/textures/gui.png");
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("gui", generateGuiAtlas);
