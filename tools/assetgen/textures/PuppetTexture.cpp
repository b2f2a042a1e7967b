// puppet_red.png, puppet_blue.png: the paint of the table figures of team 0 (red) and
// team 1 (blue); puppet_ivory.png and puppet_charcoal.png the same in the contrast colours;
// laid out as models/PuppetPaint.h says. A head with skin, hair, eyes,
// brows and a mouth; a shirt in the team's colour (the plain red or blue the figures have
// always had, so a team still reads at a glance) with a white collar and cuffs; shorts in a
// darker shade of it with white side stripes; bare knees, white-topped socks in the team's
// colour and dark shoes.
#include "Generator.h"
#include "Image.h"
#include "models/PuppetPaint.h"

#include <cmath>
#include <string>

namespace {

using puppet::Part;

constexpr float kPi = 3.14159265f;

struct Kit {
    Rgba shirt, shorts;
};

const Rgba kSkin{236, 186, 148, 255};
const Rgba kSkinShade{214, 158, 122, 255};
const Rgba kHair{78, 50, 30, 255};
const Rgba kEye{34, 24, 20, 255};
const Rgba kMouth{172, 92, 80, 255};
const Rgba kWhite{244, 244, 238, 255};
const Rgba kShoe{30, 28, 30, 255};
const Rgba kSole{70, 66, 62, 255};

// The shortest signed angle from the front of the figure to phi.
float fromFront(float phi) {
    float d = std::fmod(phi - 1.5f * kPi + 3.0f * kPi, 2.0f * kPi) - kPi;
    return d;
}

Rgba paintHead(float phi, float y) {
    const float front = -std::sin(phi);  // 1 at the face, -1 at the back of the head
    const float d = fromFront(phi);
    // Hair down to the brow in front, over the ears at the sides, to the nape behind.
    if (y > 3.45f + 0.52f * front) return kHair;
    if (front > 0.0f) {
        const float side = std::fabs(d);
        // Eyes, brows and mouth, measured as angle from the front and height.
        const float ex = (side - 0.33f) / 0.10f, ey = (y - 3.55f) / 0.11f;
        if (ex * ex + ey * ey < 1.0f) return kEye;
        if (side > 0.17f && side < 0.50f && y > 3.71f && y < 3.79f) return kHair;
        if (side < 0.18f && y > 2.94f && y < 3.01f) return kMouth;
        if (side < 0.07f && y > 3.18f && y < 3.45f) return kSkinShade;  // the nose's shadow
    }
    // The ears.
    if (std::fabs(std::cos(phi)) > 0.94f && y > 3.12f && y < 3.50f) return kSkinShade;
    return kSkin;
}

Rgba paintTorso(float phi, float y, const Kit& kit) {
    if (y > 1.95f) return kSkin;   // the neck
    if (y > 1.76f) return kWhite;  // the collar
    if (y > -1.15f) return kit.shirt;
    // Shorts with a white stripe down each side.
    return std::fabs(std::cos(phi)) > 0.93f ? kWhite : kit.shorts;
}

Rgba paintArm(float y, const Kit& kit) {
    if (y > 0.55f) return kit.shirt;
    if (y > 0.43f) return kWhite;  // the cuff
    return kSkin;
}

Rgba paintLeg(float y, const Kit& kit) {
    if (y > -3.30f) return kSkin;
    if (y > -3.44f) return kWhite;  // the sock's top
    return kit.shirt;
}

// The socks reach down over the ankles of the foot block; the shoe below them.
Rgba paintFoot(float y, const Kit& kit) {
    if (y > -4.55f) return kit.shirt;
    return y < -6.32f ? kSole : kShoe;
}

Rgba paintTexel(Part part, float round, float y, const Kit& kit) {
    const float phi = 2.0f * kPi * round;
    switch (part) {
    case Part::Head: return paintHead(phi, y);
    case Part::Torso: return paintTorso(phi, y, kit);
    case Part::Arm: return paintArm(y, kit);
    case Part::Leg: return paintLeg(y, kit);
    case Part::Foot: break;
    }
    return paintFoot(y, kit);
}

bool writeFigurePaint(const std::string& path, const Kit& kit) {
    Image image(puppet::kTextureSize, puppet::kTextureSize);
    for (Part part : {Part::Head, Part::Torso, Part::Arm, Part::Leg, Part::Foot}) {
        const puppet::Column c = puppet::columnOf(part);
        for (int x = c.first; x < c.first + c.width; ++x)
            for (int y = 0; y < puppet::kTextureSize; ++y) {
                float round = 0.0f, height = 0.0f;
                puppet::pointOfTexel(part, x, y, round, height);
                image.set(x, y, paintTexel(part, round, height, kit));
            }
    }
    return savePng(image, path);
}

bool generatePuppetTextures(const std::string& resourcesDir) {
    const Kit red{{255, 0, 0, 255}, {112, 4, 4, 255}};
    const Kit blue{{0, 0, 255, 255}, {6, 8, 112, 255}};
    // The contrast pair, for players who tell red from green poorly: ivory and charcoal
    // differ in lightness, which every eye sees, and neither is near the held rod's gold.
    const Kit ivory{{236, 233, 218, 255}, {150, 146, 134, 255}};
    const Kit charcoal{{40, 40, 46, 255}, {18, 18, 22, 255}};
    return writeFigurePaint(resourcesDir + "/textures/puppet_red.png", red) &&
           writeFigurePaint(resourcesDir + "/textures/puppet_blue.png", blue) &&
           writeFigurePaint(resourcesDir + "/textures/puppet_ivory.png", ivory) &&
           writeFigurePaint(resourcesDir + "/textures/puppet_charcoal.png", charcoal);
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("puppet_red.png, puppet_blue.png, puppet_ivory.png, puppet_charcoal.png",
                         generatePuppetTextures);
