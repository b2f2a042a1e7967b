// The eight opponents' portraits (128x128), one character each: from Bob, the keen
// beginner, to John, the king of the city's tables.
#include "Generator.h"
#include "pictures/Canvas.h"

#include <cstdio>
#include <string>

namespace {

enum class Hair { Messy, Receding, Spiky, Ponytail, Slick, LongWavy, Cropped, Royal };

struct Character {
    Colour backTop, backBottom, shirt, skin, hair, eyes;
    Hair hair_style;
    float smile;      // -1 frown .. 1 wide grin
    float browTilt;   // positive: inner ends down (determined, fierce)
    float age;        // 0 young .. 1 old: wrinkles
    bool moustache = false, beard = false, goatee = false, glasses = false, cap = false;
    bool headband = false, crown = false, earrings = false, freckles = false, lashes = false;
    bool scarf = false, numberOnShirt = false, cape = false, teeth = false;
    float faceWidth = 30;
};

void background(Canvas& c, const Character& ch)
{
    c.fillAll([&](float x, float y) {
        const float t = y / 128.0f;
        Colour col = mixColour(ch.backTop, ch.backBottom, t);
        // A soft light behind the head.
        const float dx = x - 64, dy = y - 50;
        const float glow = std::max(0.0f, 1.0f - (dx * dx + dy * dy) / (70.0f * 70.0f));
        return mixColour(col, rgb(255, 255, 255), glow * 0.25f);
    });
}

void body(Canvas& c, const Character& ch)
{
    if (ch.cape) {
        c.polygon({{4, 128}, {20, 92}, {64, 86}, {108, 92}, {124, 128}}, rgb(150, 20, 30));
        c.rect(10, 100, 108, 8, rgb(240, 240, 235), 4);  // ermine collar
        for (int i = 0; i < 8; ++i)
            c.ellipse(16 + i * 13.5f, 104, 1.5f, 2.5f, rgb(20, 20, 20));
    }
    c.ellipse(64, 136, 54, 40, [&](float, float y) { return shade(ch.shirt, 1.05f - (y - 96) / 180.0f); });
    // Collar and neck.
    c.rect(54, 82, 20, 22, shade(ch.skin, 0.85f), 6);
    c.polygon({{50, 98}, {64, 112}, {78, 98}, {74, 96}, {64, 106}, {54, 96}}, shade(ch.shirt, 0.7f));
    if (ch.numberOnShirt) {
        c.rect(84, 108, 14, 16, rgb(255, 255, 255, 0.9f), 2);
        c.line({91, 111}, {91, 121}, 2.4f, ch.shirt);  // a "1"
        c.line({88, 113}, {91, 111}, 2.0f, ch.shirt);
    }
    if (ch.scarf) {
        c.rect(44, 92, 40, 10, rgb(230, 200, 30), 5);
        c.rect(70, 96, 10, 28, rgb(230, 200, 30), 3);
        for (int i = 0; i < 3; ++i)
            c.rect(70, 102 + i * 8, 10, 3, rgb(30, 60, 160));
    }
}

void hairBack(Canvas& c, const Character& ch)
{
    if (ch.hair_style == Hair::LongWavy)
        c.ellipse(64, 70, 40, 50, [&](float x, float) {
            return shade(ch.hair, 0.8f + 0.2f * std::sin(x * 0.5f));
        });
    if (ch.hair_style == Hair::Ponytail) {
        c.ellipse(98, 52, 12, 26, shade(ch.hair, 0.85f), -0.5f);
        c.ellipse(94, 34, 6, 5, rgb(40, 170, 90));  // hair tie
    }
}

void head(Canvas& c, const Character& ch)
{
    const float fw = ch.faceWidth;
    // Ears, then the face with a little shading toward the sides.
    c.ellipse(64 - fw - 1, 60, 6, 9, shade(ch.skin, 0.9f));
    c.ellipse(64 + fw + 1, 60, 6, 9, shade(ch.skin, 0.9f));
    if (ch.earrings) {
        c.ellipse(64 - fw - 2, 71, 2.4f, 2.4f, rgb(250, 215, 60));
        c.ellipse(64 + fw + 2, 71, 2.4f, 2.4f, rgb(250, 215, 60));
    }
    c.ellipse(64, 58, fw, 36, [&](float x, float y) {
        const float side = std::abs(x - 64) / fw;
        const float low = std::max(0.0f, (y - 70) / 30.0f);
        return shade(ch.skin, 1.05f - 0.18f * side * side - 0.08f * low);
    });
    // Cheeks.
    const Colour blush = rgb(235, 120, 110, 0.25f + 0.15f * std::max(0.0f, ch.smile));
    c.ellipse(64 - fw * 0.6f, 70, 7, 4.5f, blush);
    c.ellipse(64 + fw * 0.6f, 70, 7, 4.5f, blush);
    if (ch.freckles)
        for (int i = 0; i < 10; ++i) {
            const float fx = (i % 5) * 3.2f + (i / 5) * 1.6f;
            const float fy = (i / 5) * 3.0f;
            c.ellipse(64 - fw * 0.72f + fx, 65 + fy, 0.8f, 0.8f, rgb(170, 100, 70));
            c.ellipse(64 + fw * 0.72f - fx, 65 + fy, 0.8f, 0.8f, rgb(170, 100, 70));
        }
}

void faceFeatures(Canvas& c, const Character& ch)
{
    const Colour dark = rgb(40, 28, 24);
    for (int side = -1; side <= 1; side += 2) {
        const float ex = 64 + side * 12.0f;
        c.ellipse(ex, 56, 6.5f, 4.6f, rgb(250, 250, 248));
        c.ellipse(ex + 0.6f, 56.4f, 3.4f, 3.6f, ch.eyes);
        c.ellipse(ex + 0.6f, 56.4f, 1.7f, 1.8f, rgb(10, 10, 10));
        c.ellipse(ex + 1.8f, 55.0f, 0.9f, 0.9f, rgb(255, 255, 255));
        if (ch.lashes) {
            c.curve({ex - 7, 55}, {ex, 49.5f}, {ex + 7, 55}, 1.6f, dark);
            c.line({ex + side * 6.5f, 54}, {ex + side * 8.5f, 51.5f}, 1.2f, dark);
        }
        // Eyebrows: the tilt pulls the inner end down for a determined look.
        const float inner = 64 + side * 5.0f, outer = 64 + side * 19.0f;
        const float innerY = 47.5f + ch.browTilt * 3.0f, outerY = 47.0f - ch.browTilt * 1.5f;
        c.curve({inner, innerY}, {(inner + outer) / 2, 44.5f}, {outer, outerY}, 2.6f,
                ch.age > 0.6f ? rgb(200, 200, 205) : shade(ch.hair, 0.8f));
        if (ch.age > 0.4f) {
            c.curve({ex - 5, 61.5f}, {ex, 63}, {ex + 5, 61.5f}, 0.9f, shade(ch.skin, 0.75f));
            c.line({ex + side * 8, 54}, {ex + side * 11, 52}, 0.9f, shade(ch.skin, 0.72f));
            c.line({ex + side * 8, 57}, {ex + side * 11, 58}, 0.9f, shade(ch.skin, 0.72f));
        }
    }
    if (ch.age > 0.5f)
        for (int i = 0; i < 2; ++i)
            c.curve({52, 37.5f + i * 3.5f}, {64, 35.5f + i * 3.5f}, {76, 37.5f + i * 3.5f}, 0.8f, shade(ch.skin, 0.78f));
    if (ch.glasses) {
        const Colour frame = rgb(50, 40, 35);
        c.ring(52, 56, 8.5f, 1.8f, -3.1416f, 3.1416f, frame);
        c.ring(76, 56, 8.5f, 1.8f, -3.1416f, 3.1416f, frame);
        c.curve({60, 55}, {64, 52.5f}, {68, 55}, 1.6f, frame);
        c.line({43.5f, 55}, {35, 53}, 1.6f, frame);
        c.line({84.5f, 55}, {93, 53}, 1.6f, frame);
        c.ellipse(49, 52.5f, 2.5f, 1.2f, rgb(255, 255, 255, 0.5f), -0.5f);
    }
    // Nose.
    c.curve({63, 58}, {60, 68}, {65, 70}, 1.6f, shade(ch.skin, 0.72f));
    c.ellipse(61, 70, 1.2f, 0.8f, shade(ch.skin, 0.6f));
    c.ellipse(67, 70, 1.2f, 0.8f, shade(ch.skin, 0.6f));
    // Mouth.
    const float mw = 9 + 3 * std::max(0.0f, ch.smile);
    const float bend = 6 * ch.smile;
    if (ch.teeth && ch.smile > 0.3f) {
        c.polygon({{64 - mw, 78}, {64 + mw, 78}, {64 + mw * 0.6f, 78 + bend * 0.9f},
                   {64, 78 + bend * 1.1f}, {64 - mw * 0.6f, 78 + bend * 0.9f}}, rgb(120, 30, 35));
        c.rect(64 - mw * 0.8f, 78, mw * 1.6f, 2.8f, rgb(250, 250, 245));
    }
    c.curve({64 - mw, 78 - bend * 0.15f}, {64, 78 + bend}, {64 + mw, 78 - bend * 0.15f}, 2.0f, rgb(150, 60, 60));
    if (ch.moustache) {
        c.ellipse(58, 75, 7, 3, shade(ch.hair, 0.9f), 0.25f);
        c.ellipse(70, 75, 7, 3, shade(ch.hair, 0.9f), -0.25f);
    }
    if (ch.goatee)
        c.polygon({{59, 84}, {69, 84}, {66, 93}, {62, 93}}, shade(ch.hair, 0.9f));
}

void beard(Canvas& c, const Character& ch)
{
    if (!ch.beard)
        return;
    const float fw = ch.faceWidth;
    c.fill(64 - fw - 2, 60, 64 + fw + 2, 100,
           [&](float x, float y) {
               const float u = (x - 64) / (fw + 1), v = (y - 62) / 34.0f;
               const bool inFace = u * u + v * v <= 1.0f && y > 71 - std::abs(x - 64) * 0.25f;
               const float mu = (x - 64) / 11.0f, mv = (y - 79) / 5.0f;
               const bool mouthHole = mu * mu + mv * mv < 1.0f;
               return inFace && !mouthHole;
           },
           [&](float x, float y) {
               return shade(ch.hair, 0.85f + 0.25f * hashNoise(int(x * 3), int(y * 3), 7));
           });
    c.curve({55, 80}, {64, 84}, {73, 80}, 2.0f, rgb(150, 60, 60));
    c.ellipse(57, 75, 8, 3, ch.hair, 0.3f);
    c.ellipse(71, 75, 8, 3, ch.hair, -0.3f);
}

void hairFront(Canvas& c, const Character& ch)
{
    const Colour h = ch.hair;
    const Colour hd = shade(h, 0.75f);
    switch (ch.hair_style) {
    case Hair::Messy:
        c.ellipse(64, 32, 32, 16, h);
        for (int i = 0; i < 9; ++i) {
            const float x = 36 + i * 7.0f;
            c.polygon({{x - 5, 34}, {x + 2 + (i % 2) * 4.0f, 14 + (i % 3) * 3.0f}, {x + 6, 36}}, i % 2 ? h : hd);
        }
        c.ellipse(46, 38, 10, 6, h, 0.4f);
        c.ellipse(78, 38, 12, 6, h, -0.3f);
        break;
    case Hair::Receding:
        c.ellipse(35, 45, 6, 14, h);
        c.ellipse(93, 45, 6, 14, h);
        c.curve({38, 34}, {64, 16}, {90, 34}, 5.0f, shade(h, 0.95f));
        break;
    case Hair::Spiky:
        for (int i = 0; i < 8; ++i) {
            const float x = 36 + i * 8.0f;
            c.polygon({{x - 6, 38}, {x + 1, 6 + (i % 2) * 6.0f}, {x + 8, 38}}, i % 2 ? h : shade(h, 0.88f));
        }
        c.ellipse(64, 33, 30, 11, h);
        break;
    case Hair::Ponytail:
        c.ellipse(64, 30, 32, 16, h);
        c.polygon({{34, 52}, {36, 30}, {58, 22}, {50, 36}}, h);
        c.curve({40, 30}, {64, 22}, {90, 34}, 2.0f, shade(h, 1.2f));
        break;
    case Hair::Slick:
        c.ellipse(64, 30, 32, 15, h);
        c.ellipse(40, 40, 7, 10, h);
        c.ellipse(88, 40, 7, 10, h);
        for (int i = 0; i < 4; ++i)
            c.curve({42.0f + i * 4, 36}, {60.0f + i * 5, 18}, {86, 28.0f + i * 2}, 1.2f, shade(h, 1.35f));
        break;
    case Hair::LongWavy:
        c.ellipse(64, 30, 33, 16, h);
        c.polygon({{31, 40}, {40, 22}, {66, 26}, {50, 34}, {38, 56}}, h);
        c.polygon({{97, 40}, {86, 22}, {66, 26}, {80, 34}, {92, 56}}, shade(h, 0.92f));
        break;
    case Hair::Cropped:
        c.ellipse(64, 32, 31, 14, h);
        c.rect(33, 30, 5, 22, h, 2);
        c.rect(90, 30, 5, 22, h, 2);
        break;
    case Hair::Royal:
        c.ellipse(64, 34, 33, 14, h);
        c.ellipse(34, 48, 7, 16, h);
        c.ellipse(94, 48, 7, 16, h);
        break;
    }
    if (ch.cap) {
        c.ellipse(64, 30, 33, 17, [&](float, float y) { return y < 32 ? rgb(200, 40, 40) : rgb(0, 0, 0, 0); });
        c.ellipse(80, 33, 26, 5, rgb(170, 30, 30), -0.1f);
        c.ellipse(64, 14, 3, 2, rgb(240, 240, 240));
        c.rect(52, 20, 24, 8, rgb(255, 255, 255, 0.85f), 3);
        c.ellipse(64, 24, 3.5f, 3.5f, rgb(30, 30, 30));  // a little ball on the badge
    }
    if (ch.headband) {
        c.rect(33, 34, 62, 8, rgb(240, 240, 240), 3);
        c.rect(33, 37, 62, 2, rgb(40, 110, 200));
    }
    if (ch.crown) {
        const Colour gold = rgb(245, 195, 40);
        c.polygon({{36, 30}, {36, 6}, {48, 18}, {56, 0}, {64, 14}, {72, 0}, {80, 18}, {92, 6}, {92, 30}},
                  [&](float x, float y) { return mixColour(gold, rgb(200, 130, 20), (y + std::abs(x - 64) * 0.2f) / 40.0f); });
        c.rect(35, 24, 58, 8, rgb(220, 160, 25), 2);
        c.ellipse(64, 28, 3.5f, 3, rgb(200, 20, 40));
        c.ellipse(50, 28, 2.5f, 2.5f, rgb(30, 90, 200));
        c.ellipse(78, 28, 2.5f, 2.5f, rgb(30, 160, 80));
        for (Point p : {Point{36, 6}, Point{56, 0}, Point{72, 0}, Point{92, 6}})
            c.ellipse(p.x, p.y + 1, 2.8f, 2.8f, rgb(255, 240, 160));
    }
}

Character opponent(int index)
{
    Character ch{};
    ch.eyes = rgb(90, 60, 40);
    switch (index) {
    case 0:  // keen beginner: messy hair, cap, big happy grin
        ch = {rgb(120, 200, 240), rgb(40, 120, 200), rgb(230, 120, 40), rgb(250, 205, 170), rgb(140, 90, 50),
              rgb(80, 120, 60), Hair::Messy, 1.0f, -0.4f, 0.1f};
        ch.cap = true;
        ch.teeth = true;
        ch.freckles = true;
        ch.faceWidth = 32;
        break;
    case 1:  // talks about the past: grey, receding, glasses, moustache
        ch = {rgb(220, 200, 160), rgb(150, 110, 70), rgb(110, 80, 60), rgb(235, 190, 160), rgb(185, 185, 190),
              rgb(80, 100, 130), Hair::Receding, 0.3f, -0.2f, 0.9f};
        ch.glasses = true;
        ch.moustache = true;
        break;
    case 2:  // young and getting dangerous: spiky blond hair, cheeky grin
        ch = {rgb(170, 240, 170), rgb(40, 150, 80), rgb(40, 40, 45), rgb(245, 210, 180), rgb(245, 215, 90),
              rgb(60, 140, 200), Hair::Spiky, 0.6f, 0.5f, 0.0f};
        ch.teeth = true;
        ch.faceWidth = 28;
        break;
    case 3:  // very good reflexes: red ponytail, bright alert eyes
        ch = {rgb(250, 200, 230), rgb(180, 60, 130), rgb(60, 170, 120), rgb(252, 218, 195), rgb(200, 80, 40),
              rgb(50, 150, 90), Hair::Ponytail, 0.5f, 0.2f, 0.0f};
        ch.lashes = true;
        ch.earrings = true;
        ch.freckles = true;
        ch.faceWidth = 27;
        break;
    case 4:  // an attacker: slicked dark hair, goatee, fierce brows
        ch = {rgb(250, 190, 120), rgb(200, 70, 30), rgb(30, 70, 150), rgb(205, 150, 110), rgb(35, 30, 30),
              rgb(60, 40, 25), Hair::Slick, 0.2f, 1.0f, 0.3f};
        ch.goatee = true;
        break;
    case 5:  // passionate all-rounder: long dark wavy hair, team scarf, wide smile
        ch = {rgb(255, 230, 140), rgb(230, 120, 40), rgb(150, 40, 160), rgb(230, 180, 145), rgb(50, 30, 25),
              rgb(70, 45, 30), Hair::LongWavy, 0.9f, 0.0f, 0.1f};
        ch.lashes = true;
        ch.scarf = true;
        ch.teeth = true;
        ch.faceWidth = 27;
        break;
    case 6:  // the professional: cropped hair, headband, numbered jersey, focused
        ch = {rgb(180, 180, 190), rgb(50, 50, 65), rgb(200, 30, 40), rgb(150, 100, 70), rgb(25, 20, 20),
              rgb(50, 35, 25), Hair::Cropped, 0.0f, 0.7f, 0.35f};
        ch.headband = true;
        ch.numberOnShirt = true;
        ch.faceWidth = 31;
        break;
    default:  // the king: crown, full beard, cape, confident smile
        ch = {rgb(120, 60, 160), rgb(30, 10, 60), rgb(90, 20, 120), rgb(240, 195, 160), rgb(120, 70, 30),
              rgb(70, 90, 140), Hair::Royal, 0.5f, 0.3f, 0.55f};
        ch.beard = true;
        ch.crown = true;
        ch.cape = true;
        break;
    }
    return ch;
}

bool generateOpponentPortraits(const std::string& resourcesDir)
{
    for (int i = 0; i < 8; ++i) {
        const Character ch = opponent(i);
        Canvas c(128, 128, 4);
        background(c, ch);
        hairBack(c, ch);  // long hair falls behind the shoulders
        body(c, ch);
        head(c, ch);
        beard(c, ch);
        faceFeatures(c, ch);
        hairFront(c, ch);
        if (!savePng(c.downsample(), resourcesDir + "/textures/opponent" + std::to_string(i) + ".png"))
            return false;
    }
    return true;
}

} // namespace

PITCHBAR_ASSET_GENERATOR("opponent portraits", generateOpponentPortraits);
