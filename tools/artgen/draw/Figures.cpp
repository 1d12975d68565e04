// The dude and the rolling ball of the title.
#include "draw/Draw.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

// The dude's colours: explorer hat, green shirt, red scarf, blue trousers, brown boots and backpack.
constexpr Rgb kSkin = hex(0xFBCDA2);
constexpr Rgb kSkinShade = hex(0xE2A47A);
constexpr Rgb kCheek = hex(0xF27A7A);
constexpr Rgb kHair = hex(0x7A4524);
constexpr Rgb kHat = hex(0xD4A562);
constexpr Rgb kHatBand = hex(0x6B4423);
constexpr Rgb kShirt = hex(0x45B95A);
constexpr Rgb kScarf = hex(0xE8443A);
constexpr Rgb kTrousers = hex(0x3E5396);
constexpr Rgb kBoots = hex(0x7A4522);
constexpr Rgb kBelt = hex(0x5A3A1E);
constexpr Rgb kBuckle = hex(0xF2C94C);
constexpr Rgb kPack = hex(0xB46C2E);

enum class Facing { Front, Back, Right };

struct Pose {
    Facing facing = Facing::Front;
    double stride = 0;   // -1..1: which leg is ahead (side) or lifted (front and back)
    double bob = 0;      // whole body up (negative) or down
    double breath = 0;   // 0..1: chest and shoulders rise
    double look = 0;     // pupils to the right (pixels)
    bool blink = false;
    bool armsUp = false;
    bool cheer = false;  // open, laughing mouth
    bool flying = false; // arms forward, legs trailing
};

class DudePainter {
public:
    explicit DudePainter(Canvas& c) : c_(c), cr_(c.cr()) {}

    void draw(const Pose& p)
    {
        cairo_save(cr_);
        cairo_translate(cr_, 0, p.bob);
        if (p.facing == Facing::Right)
            side(p);
        else
            frontOrBack(p);
        cairo_restore(cr_);
    }

private:
    void boot(double x, double y, double rx) { c_.blob(x, y, rx, 2.8, kBoots, 1.5); }

    void hand(Point at) { c_.blob(at.x, at.y, 2.6, 2.6, kSkin, 1.2); }

    void hat(double cx, double brimCx)
    {
        c_.box(cx - 7, 1.2, 14, 9.5, 4, lighter(kHat, 0.25), kHat, 1.5);
        cairo_rectangle(cr_, cx - 7, 6.8, 14, 2.4);
        c_.setColour(kHatBand);
        cairo_fill(cr_);
        c_.ellipse(brimCx, 10.2, 12.5, 2.9);
        c_.setVerticalGradient(7.5, lighter(kHat, 0.2), 13, darker(kHat, 0.1));
        c_.fillOutlined(1.5);
    }

    void eye(double x, double y, double look, bool blink)
    {
        if (blink) {
            cairo_move_to(cr_, x - 2, y + 0.5);
            cairo_curve_to(cr_, x - 1, y + 1.6, x + 1, y + 1.6, x + 2, y + 0.5);
            c_.setColour(kInk);
            cairo_set_line_width(cr_, 1.3);
            cairo_stroke(cr_);
            return;
        }
        c_.blob(x, y, 2.1, 2.7, hex(0xFFFFFF), 1.0);
        c_.blob(x + 0.3 + look, y + 0.5, 1.3, 1.5, kInk, 0);
        c_.blob(x + 0.7 + look, y - 0.3, 0.5, 0.5, hex(0xFFFFFF), 0);
    }

    void smile(double cx, double cy, double r, bool open)
    {
        if (open) {
            cairo_move_to(cr_, cx - r, cy - 0.5);
            cairo_curve_to(cr_, cx - r, cy + r * 1.3, cx + r, cy + r * 1.3, cx + r, cy - 0.5);
            cairo_close_path(cr_);
            c_.setColour(hex(0xB0303A));
            c_.fillOutlined(1.1);
            return;
        }
        cairo_arc(cr_, cx, cy - r * 0.6, r, 0.25 * kPi, 0.75 * kPi);
        c_.setColour(kInk);
        cairo_set_line_width(cr_, 1.2);
        cairo_stroke(cr_);
    }

    void frontOrBack(const Pose& p)
    {
        const bool back = p.facing == Facing::Back;
        const double s = p.stride;
        const double liftL = 4.0 * std::max(0.0, s), liftR = 4.0 * std::max(0.0, -s);
        const double up = -p.breath;  // chest rise

        // Legs and boots.
        c_.limb({12.5, 43}, {12.5, 56.5 - liftL}, 5, kTrousers);
        c_.limb({19.5, 43}, {19.5, 56.5 - liftR}, 5, kTrousers);
        boot(12, 59.3 - liftL, 4.2);
        boot(20, 59.3 - liftR, 4.2);

        // Arms: swung by the stride, spread a little by breathing, or thrown up in a cheer.
        const Point shoulderL{10.5, 29 + up}, shoulderR{21.5, 29 + up};
        Point handL{6.8 - p.breath * 0.6, 39.5 + up - 3.0 * s};
        Point handR{25.2 + p.breath * 0.6, 39.5 + up + 3.0 * s};
        if (p.armsUp)
            handL = {4.5, 13}, handR = {27.5, 13};
        c_.limb(shoulderL, handL, 4, kShirt, 1.3);
        c_.limb(shoulderR, handR, 4, kShirt, 1.3);
        hand(handL);
        hand(handR);

        // Body with belt.
        c_.box(9 - p.breath * 0.4, 25 + up, 14 + p.breath * 0.8, 20 - up, 5, lighter(kShirt, 0.2), darker(kShirt, 0.15),
               1.5);
        cairo_rectangle(cr_, 9.7, 40, 12.6, 2.8);
        c_.setColour(kBelt);
        cairo_fill(cr_);
        if (back) {
            c_.box(10.5, 27 + up, 11, 13, 3, lighter(kPack, 0.15), darker(kPack, 0.1), 1.5);
            c_.box(11, 27 + up, 10, 5, 2.5, darker(kPack, 0.2), darker(kPack, 0.3), 1.2);
        } else {
            c_.blob(16, 41.4, 1.8, 1.5, kBuckle, 0.8);
        }

        // Head.
        cairo_save(cr_);
        cairo_translate(cr_, 0, up * 0.8);
        c_.blob(6.8, 18.5, 2.1, 2.6, kSkinShade, 1.2);
        c_.blob(25.2, 18.5, 2.1, 2.6, kSkinShade, 1.2);
        c_.ellipse(16, 26.2, 6.5, 2.4);  // scarf around the neck
        c_.setColour(kScarf);
        c_.fillOutlined(1.3);
        c_.ellipse(16, 17.5, 9.5, 9.2);
        c_.setRadialGradient(13, 14, 12, lighter(kSkin, 0.3), kSkin);
        c_.fillOutlined(1.5);
        if (back) {
            cairo_save(cr_);
            c_.ellipse(16, 17.5, 9.5, 9.2);
            cairo_clip(cr_);
            c_.ellipse(16, 15.5, 10.5, 10.5);
            c_.setVerticalGradient(8, lighter(kHair, 0.2), 26, kHair);
            cairo_fill(cr_);
            cairo_restore(cr_);
            c_.ellipse(16, 17.5, 9.5, 9.2);
            c_.setColour(kInk);
            cairo_set_line_width(cr_, 1.5);
            cairo_stroke(cr_);
        } else {
            for (double x : {9.5, 13.5, 18.5, 22.5})
                c_.blob(x, 11.5, 3.2, 2.6, kHair, 0);
            eye(12.4, 17.8, p.look, p.blink);
            eye(19.6, 17.8, p.look, p.blink);
            c_.ellipse(9.6, 21.6, 1.8, 1.1);
            c_.setColour(kCheek, 0.55);
            cairo_fill(cr_);
            c_.ellipse(22.4, 21.6, 1.8, 1.1);
            cairo_fill(cr_);
            smile(16, 22.3, 2.8, p.cheer);
        }
        hat(16, 16);
        cairo_restore(cr_);
    }

    // Seen from the side, facing right; the left-facing frames are this mirrored.
    void side(const Pose& p)
    {
        const double s = p.stride;
        Point nearFoot{16 + 6 * s, 56.5}, farFoot{16 - 6 * s, 56.5};
        Point nearHand{16 - 5.5 * s, 39.5}, farHand{16.5 + 5.5 * s, 39};
        if (p.flying) {
            nearFoot = {9, 55.5}, farFoot = {12.5, 57};
            nearHand = {27.5, 24}, farHand = {26, 21};
        }
        c_.limb({16.5, 29}, farHand, 4, darker(kShirt, 0.3), 1.3);
        hand(farHand);
        c_.limb({16, 43}, farFoot, 5, darker(kTrousers, 0.3));
        boot(farFoot.x + 1.8, farFoot.y + 2.8, 4.6);
        c_.limb({16, 43}, nearFoot, 5, kTrousers);
        boot(nearFoot.x + 1.8, nearFoot.y + 2.8, 4.6);

        c_.box(4.8, 27, 7.5, 14, 2.5, lighter(kPack, 0.15), darker(kPack, 0.1), 1.5);
        c_.box(10.5, 25, 11.5, 20, 5, lighter(kShirt, 0.2), darker(kShirt, 0.15), 1.5);
        cairo_rectangle(cr_, 11.2, 40, 10.1, 2.8);
        c_.setColour(kBelt);
        cairo_fill(cr_);
        cairo_move_to(cr_, 12.5, 26);
        cairo_line_to(cr_, 13.5, 39);
        c_.setColour(darker(kPack, 0.25));
        cairo_set_line_width(cr_, 1.6);
        cairo_stroke(cr_);

        // Head in profile.
        c_.ellipse(17, 26.3, 5.5, 2.3);
        c_.setColour(kScarf);
        c_.fillOutlined(1.3);
        c_.blob(25.6, 19.4, 2.2, 1.9, kSkin, 1.2);  // nose
        c_.ellipse(16.5, 17.5, 9.3, 9.2);
        c_.setRadialGradient(19, 14, 12, lighter(kSkin, 0.3), kSkin);
        cairo_fill_preserve(cr_);
        cairo_save(cr_);
        cairo_clip(cr_);
        c_.ellipse(9.5, 15, 7, 10.5);  // hair at the back of the head
        c_.setColour(kHair);
        cairo_fill(cr_);
        cairo_restore(cr_);
        c_.ellipse(16.5, 17.5, 9.3, 9.2);
        c_.setColour(kInk);
        cairo_set_line_width(cr_, 1.5);
        cairo_stroke(cr_);
        c_.blob(14.2, 18.5, 1.8, 2.4, kSkinShade, 1.1);  // ear
        eye(21, 17.6, 0.4, p.blink);
        smile(22.5, 22.5, 2.2, p.cheer);
        hat(16, 18);

        c_.limb({16, 29}, nearHand, 4, kShirt, 1.3);
        hand(nearHand);
    }

    Canvas& c_;
    cairo_t* cr_;
};

void drawPose(Canvas& c, const Pose& p, bool mirrored)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    if (mirrored) {
        cairo_translate(cr, 32, 0);
        cairo_scale(cr, -1, 1);
    }
    DudePainter(c).draw(p);
    cairo_restore(cr);
}

// Flying: the side pose leaning into the flight, smaller so the tilted figure fits its frame.
void drawFlying(Canvas& c, bool left)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    if (left) {
        cairo_translate(cr, 32, 0);
        cairo_scale(cr, -1, 1);
    }
    cairo_translate(cr, 16, 33);
    cairo_rotate(cr, 0.38);
    cairo_scale(cr, 0.66, 0.66);
    cairo_translate(cr, -17, -32);
    Pose p;
    p.facing = Facing::Right;
    p.flying = true;
    p.cheer = true;
    DudePainter(c).draw(p);
    cairo_restore(cr);
}

void sparkle(Canvas& c, double x, double y, double r)
{
    cairo_t* cr = c.cr();
    cairo_move_to(cr, x, y - r);
    cairo_curve_to(cr, x, y, x, y, x + r, y);
    cairo_curve_to(cr, x, y, x, y, x, y + r);
    cairo_curve_to(cr, x, y, x, y, x - r, y);
    cairo_curve_to(cr, x, y, x, y, x, y - r);
    cairo_close_path(cr);
    c.setColour(hex(0xE8FCFF));
    c.fillOutlined(0.9, hex(0x2A9ED8));
}

// Teleport step 1..3: the flying figure is tinted, cut into thinning bands and replaced by sparkles.
void drawTeleport(Canvas& c, int step)
{
    cairo_t* cr = c.cr();
    if (step < 3) {
        cairo_push_group(cr);
        cairo_translate(cr, 16, 0);
        cairo_scale(cr, step == 1 ? 0.8 : 0.55, 1);
        cairo_translate(cr, -16, 0);
        drawFlying(c, true);
        cairo_identity_matrix(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
        c.setColour(hex(0x7FE6FF), step == 1 ? 0.35 : 0.6);
        cairo_paint(cr);
        cairo_pop_group_to_source(cr);
        const int gap = step == 1 ? 1 : 3;
        for (int y = 0; y < 64; y += 3 + gap)
            cairo_rectangle(cr, 0, y, 32, 3);
        cairo_clip(cr);
        cairo_paint(cr);
        cairo_reset_clip(cr);
    }
    struct Spark {
        double x, y, r;
    };
    static const Spark sparks[] = {{8, 14, 3.5}, {24, 22, 3}, {12, 40, 3.2}, {22, 50, 3.6}, {16, 28, 4},
                                   {6, 54, 2.6}, {26, 8, 2.8}, {18, 60, 2.4}, {10, 26, 2.5}};
    const int count = 3 + 3 * step;
    for (int i = 0; i < count; ++i) {
        const Spark& s = sparks[i % 9];
        sparkle(c, s.x, s.y - step * 2.0, s.r * (step == 3 ? 1.2 : 1.0));
    }
}

}  // namespace

void drawDude(Canvas& c)
{
    // 0-7 standing: one breath in over the eight frames (the game plays them back and forth),
    // a blink on frame 3 and a glance aside at the end.
    for (int k = 0; k < 8; ++k)
        c.drawFrame(k, [&] {
            Pose p;
            p.breath = k / 7.0 * 1.2;
            p.blink = k == 3;
            p.look = k >= 6 ? 0.7 : 0;
            drawPose(c, p, false);
        });
    // Walks: four steps from one leg ahead to the other, played back and forth.
    const double strides[4] = {-1, -1.0 / 3, 1.0 / 3, 1};
    for (int i = 0; i < 4; ++i) {
        Pose side;
        side.facing = Facing::Right;
        side.stride = strides[i];
        side.bob = std::abs(strides[i]) < 0.5 ? -1 : 0;
        c.drawFrame(8 + i, [&] { drawPose(c, side, true); });
        c.drawFrame(12 + i, [&] { drawPose(c, side, false); });
        Pose front;
        front.stride = strides[i];
        front.bob = std::abs(strides[i]) < 0.5 ? 0 : -0.8;
        c.drawFrame(16 + i, [&] { drawPose(c, front, false); });
        Pose back = front;
        back.facing = Facing::Back;
        c.drawFrame(20 + i, [&] { drawPose(c, back, false); });
    }
    c.drawFrame(24, [&] { drawFlying(c, false); });
    c.drawFrame(25, [&] { drawFlying(c, true); });
    for (int step = 1; step <= 3; ++step)
        c.drawFrame(25 + step, [&] { drawTeleport(c, step); });
    c.drawFrame(29, [&] {
        Pose p;
        p.armsUp = true;
        p.cheer = true;
        p.bob = -1.5;
        drawPose(c, p, false);
    });
}

void drawRollingBall(Canvas& c)
{
    // An iron ball with two crossing bands and four rivets. The pattern repeats every quarter turn,
    // so four steps of 22.5 degrees loop seamlessly; at the title's speed a ball this size turns
    // about that far in one 100 ms frame.
    for (int k = 0; k < 4; ++k)
        c.drawFrame(k, [&] {
            cairo_t* cr = c.cr();
            const double cx = 32, cy = 32, r = 28;
            c.ellipse(cx, cy, r, r);
            c.setRadialGradient(cx - 9, cy - 10, r * 1.5, hex(0x9AA3B5), hex(0x2C3142));
            c.fillOutlined(2.5);

            cairo_save(cr);
            c.ellipse(cx, cy, r - 1.2, r - 1.2);
            cairo_clip(cr);
            cairo_translate(cr, cx, cy);
            cairo_rotate(cr, -k * kPi / 8);  // counter-clockwise: rolling to the left
            for (int band = 0; band < 2; ++band) {
                cairo_save(cr);
                cairo_rotate(cr, band * kPi / 2);
                cairo_rectangle(cr, -r, -3.2, 2 * r, 6.4);
                c.setColour(hex(0x5B6478));
                c.fillOutlined(1.5);
                cairo_restore(cr);
            }
            for (int i = 0; i < 4; ++i) {
                const double a = kPi / 4 + i * kPi / 2;
                c.blob(std::cos(a) * 15, std::sin(a) * 15, 3.4, 3.4, hex(0xC4CAD6), 1.3);
            }
            c.blob(0, 0, 4.5, 4.5, hex(0xD8A84A), 1.5);  // brass hub
            cairo_restore(cr);

            c.highlight(cx - 10, cy - 11, 10, 7, 0.75);
        });
}

}  // namespace artgen
