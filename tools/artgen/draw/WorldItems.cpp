// Things the dude picks up or trades: food, hammers and axes, the big weight, quest treasures.
#include "draw/Draw.h"
#include "draw/WorldDraw.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

constexpr Rgb kIron = hex(0x5B6478);
constexpr Rgb kSteel = hex(0xB8C2D0);
constexpr Rgb kGold = hex(0xF5C842);
constexpr Rgb kPlate = hex(0xF4F1EA);

void steam(Canvas& c, double x, double y, int k)
{
    cairo_t* cr = c.cr();
    for (int i = 0; i < 2; ++i) {
        const double sx = x - 3 + i * 6, sway = (k + i) % 2 == 0 ? 1.5 : -1.5;
        cairo_move_to(cr, sx, y);
        cairo_curve_to(cr, sx + sway, y - 3, sx - sway, y - 6, sx + sway * 0.5, y - 9);
        c.setColour(hex(0xFFFFFF), 0.85);
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
    }
}

void bowlShape(Canvas& c, double cx, double cy, double r, Rgb bowl)
{
    cairo_t* cr = c.cr();
    cairo_new_path(cr);
    cairo_move_to(cr, cx - r, cy);
    cairo_curve_to(cr, cx - r, cy + r * 0.9, cx + r, cy + r * 0.9, cx + r, cy);
    cairo_close_path(cr);
    c.setVerticalGradient(cy, lighter(bowl, 0.3), cy + r * 0.7, darker(bowl, 0.2));
    c.fillOutlined(1.4);
}

void fruit(Canvas& c, double x, double y, double r, Rgb colour)
{
    c.ellipse(x, y, r, r);
    c.setRadialGradient(x - r * 0.4, y - r * 0.4, r * 1.6, lighter(colour, 0.45), colour);
    c.fillOutlined(1.2);
    c.highlight(x - r * 0.35, y - r * 0.4, r * 0.35, r * 0.25, 0.8);
}

void stalk(Canvas& c, Point a, Point b)
{
    cairo_t* cr = c.cr();
    cairo_move_to(cr, a.x, a.y);
    cairo_curve_to(cr, a.x, (a.y + b.y) / 2, b.x, (a.y + b.y) / 2, b.x, b.y);
    c.setColour(kInk);
    cairo_set_line_width(cr, 2.6);
    cairo_stroke_preserve(cr);
    c.setColour(hex(0x5A8A2E));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void leaf(Canvas& c, double x, double y, double len, double angle, Rgb colour = hex(0x4CC24A))
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, len * 0.3, -len * 0.35, len * 0.7, -len * 0.35, len, 0);
    cairo_curve_to(cr, len * 0.7, len * 0.35, len * 0.3, len * 0.35, 0, 0);
    cairo_restore(cr);
    c.setColour(colour);
    c.fillOutlined(1);
}

// One picture of food centred on (cx, cy); k is the animation frame.
void foodPicture(Canvas& c, Food food, double cx, double cy, int k)
{
    cairo_t* cr = c.cr();
    switch (food) {
    case Food::Drink:  // a bottle of lemonade with a cork and a label
        c.box(cx - 3, cy - 17, 6, 8, 1.5, hex(0xC8955A), hex(0x8A5A2E), 1.2);
        cairo_new_path(cr);
        cairo_move_to(cr, cx - 3.5, cy - 10);
        cairo_curve_to(cr, cx - 4, cy - 5, cx - 9, cy - 4, cx - 9, cy + 1);
        cairo_line_to(cr, cx - 9, cy + 17);
        cairo_line_to(cr, cx + 9, cy + 17);
        cairo_line_to(cr, cx + 9, cy + 1);
        cairo_curve_to(cr, cx + 9, cy - 4, cx + 4, cy - 5, cx + 3.5, cy - 10);
        cairo_close_path(cr);
        c.setVerticalGradient(cy - 10, hex(0xB6F28A), cy + 17, hex(0x3A9A4A));
        c.fillOutlined(1.5);
        c.box(cx - 9, cy + 3, 18, 8, 0, hex(0xFFF2C0), hex(0xF0D080), 1);
        fruit(c, cx, cy + 7, 2.4, hex(0xFFD23A));
        c.highlight(cx - 5, cy, 1.8, 5, 0.8);
        break;
    case Food::Goblet:
        c.polygon({{cx - 10, cy - 12}, {cx + 10, cy - 12}, {cx + 7, cy + 1}, {cx - 7, cy + 1}});
        c.setVerticalGradient(cy - 12, hex(0xFFE9A0), cy + 1, hex(0xB07A1E));
        c.fillOutlined(1.5);
        c.ellipse(cx, cy - 12, 10, 3);
        c.setColour(hex(0xC0203A));
        c.fillOutlined(1.3);
        c.limb({cx, cy + 1}, {cx, cy + 12}, 3, kGold, 1.2);
        c.ellipse(cx, cy + 14, 8, 3);
        c.setColour(kGold);
        c.fillOutlined(1.3);
        c.blob(cx, cy - 5, 2.2, 2.2, hex(0x3FA0FF), 1);
        break;
    case Food::Ham:  // a roast drumstick
        c.limb({cx + 2, cy + 2}, {cx + 9, cy + 14}, 3.5, hex(0xFFF6E8), 1.3);
        c.blob(cx + 7.5, cy + 15.5, 2.5, 2.5, hex(0xFFF6E8), 1.2);
        c.blob(cx + 11, cy + 13.5, 2.5, 2.5, hex(0xFFF6E8), 1.2);
        c.ellipse(cx - 2, cy - 4, 10, 12);
        c.setRadialGradient(cx - 5, cy - 9, 16, hex(0xE89A5A), hex(0x9A4A1E));
        c.fillOutlined(1.6);
        c.highlight(cx - 5, cy - 9, 4, 3, 0.65);
        break;
    case Food::Bowl:
    case Food::FruitBowl:
        if (food == Food::Bowl) {
            c.ellipse(cx, cy, 12, 3.5);
            c.setColour(hex(0xE8A040));
            c.fillOutlined(1.2);
            steam(c, cx, cy - 4, k);
        } else {
            fruit(c, cx - 6, cy - 2, 4.5, hex(0xE8362E));
            fruit(c, cx + 6, cy - 2, 4.5, hex(0xFFB020));
            fruit(c, cx, cy - 6, 4.5, hex(0x7CD04A));
        }
        bowlShape(c, cx, cy, 13, food == Food::Bowl ? hex(0x4A8AE0) : hex(0xD07A3A));
        break;
    case Food::Fish:
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, -0.5);
        c.polygon({{8, 0}, {15, -6}, {15, 6}});
        c.setColour(hex(0x3FA0E0));
        c.fillOutlined(1.3);
        c.ellipse(-1, 0, 11, 6.5);
        c.setVerticalGradient(-6, hex(0xA8E4FF), 6, hex(0x2A78C0));
        c.fillOutlined(1.5);
        c.blob(-6.5, -1.5, 1.8, 1.8, hex(0xFFFFFF), 0.8);
        c.blob(-6.2, -1.5, 0.9, 0.9, kInk, 0);
        cairo_restore(cr);
        break;
    case Food::Chocolate:
        c.box(cx - 8, cy - 14, 16, 28, 2, hex(0x8A4A22), hex(0x4A2410), 1.5);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 2; ++j)
                c.box(cx - 6.5 + j * 7, cy - 12.5 + i * 6, 6, 5, 1, hex(0xA86438), hex(0x6A3418), 0.6);
        c.box(cx - 8.5, cy + 4, 17, 11, 1, hex(0xE8404A), hex(0xA82030), 1.4);
        cairo_rectangle(cr, cx - 8.5, cy + 8, 17, 2);
        c.setColour(kGold);
        cairo_fill(cr);
        break;
    case Food::Dinner:
    case Food::Cake:
        c.ellipse(cx, cy + 4, 26, 8);
        c.setVerticalGradient(cy - 4, hex(0xFFFFFF), cy + 12, hex(0xC8CED8));
        c.fillOutlined(1.5);
        c.ellipse(cx, cy + 4, 19, 5);
        c.setColour(hex(0xE2E6EE));
        cairo_fill(cr);
        if (food == Food::Dinner) {
            c.ellipse(cx - 3, cy - 1, 11, 7);
            c.setRadialGradient(cx - 6, cy - 5, 13, hex(0xF0A860), hex(0xA0501E));
            c.fillOutlined(1.4);
            c.highlight(cx - 6, cy - 4, 4, 2, 0.6);
            fruit(c, cx + 12, cy + 2, 3.2, hex(0x4CC24A));
            fruit(c, cx + 8, cy + 5, 2.8, hex(0xFF8A2A));
            steam(c, cx - 3, cy - 8, k);
        } else {
            c.polygon({{cx - 12, cy - 5}, {cx + 10, cy - 10}, {cx + 10, cy + 5}, {cx - 12, cy + 5}});
            c.setVerticalGradient(cy - 10, hex(0xFFE0B0), cy + 5, hex(0xC88A4A));
            c.fillOutlined(1.4);
            c.polygon({{cx - 12, cy - 5}, {cx + 10, cy - 10}, {cx + 10, cy - 6}, {cx - 12, cy - 1}});
            c.setColour(hex(0xFF8AB8));
            c.fillOutlined(1.1);
            fruit(c, cx + 4, cy - 11, 2.6, hex(0xE8203A));
        }
        break;
    case Food::Cheese:
        c.polygon({{cx - 12, cy + 8}, {cx + 12, cy + 8}, {cx + 12, cy - 4}, {cx - 12, cy - 1}});
        c.setVerticalGradient(cy - 4, hex(0xFFE46A), cy + 8, hex(0xF0B020));
        c.fillOutlined(1.5);
        c.polygon({{cx - 12, cy - 1}, {cx + 12, cy - 4}, {cx + 5, cy - 11}});
        c.setColour(hex(0xFFF2A0));
        c.fillOutlined(1.3);
        for (Point p : {Point{cx - 5, cy + 3}, Point{cx + 5, cy + 1}, Point{cx + 1, cy + 5.5}})
            c.blob(p.x, p.y, 1.8, 1.5, hex(0xD89A20), 0.6);
        break;
    case Food::Banana:
        for (int i = 0; i < 2; ++i) {
            cairo_save(cr);
            cairo_translate(cr, cx + i * 3, cy + i * 2);
            cairo_move_to(cr, -10, -12);
            cairo_curve_to(cr, -12, 4, 2, 12, 12, 6);
            cairo_curve_to(cr, 2, 6, -5, 0, -7, -12);
            cairo_close_path(cr);
            cairo_restore(cr);
            c.setVerticalGradient(cy - 12, hex(0xFFF07A), cy + 12, hex(0xE8B020));
            c.fillOutlined(1.4);
        }
        c.blob(cx - 8, cy - 12.5, 1.8, 1.4, hex(0x6A4A1E), 1);
        break;
    case Food::Grapes:
        stalk(c, {cx, cy - 14}, {cx + 2, cy - 8});
        leaf(c, cx + 1, cy - 12, 8, -0.4);
        for (const Puff& p : {Puff{cx - 5, cy - 5, 3.6}, Puff{cx + 2, cy - 5, 3.6}, Puff{cx + 8, cy - 4, 3.4},
                              Puff{cx - 2, cy + 1, 3.6}, Puff{cx + 5, cy + 1.5, 3.6}, Puff{cx + 1, cy + 7, 3.6},
                              Puff{cx - 6, cy + 2, 3.2}})
            fruit(c, p.x, p.y, p.r, hex(0x8A4AD0));
        break;
    case Food::Cherries:
        stalk(c, {cx, cy - 13}, {cx - 5, cy + 3});
        stalk(c, {cx, cy - 13}, {cx + 6, cy + 4});
        leaf(c, cx, cy - 13, 8, -0.3);
        fruit(c, cx - 5, cy + 5, 5, hex(0xE8203A));
        fruit(c, cx + 6, cy + 6, 5, hex(0xD01830));
        break;
    case Food::IceCream:
    case Food::Scoop:
        if (food == Food::IceCream) {
            c.polygon({{cx - 7, cy - 1}, {cx + 7, cy - 1}, {cx, cy + 17}});
            c.setVerticalGradient(cy, hex(0xF2C07A), cy + 17, hex(0xB07A3A));
            c.fillOutlined(1.5);
            fruit(c, cx, cy - 4, 7, hex(0xFF9AC8));
            fruit(c, cx, cy - 12, 6, hex(0xFFF4D8));
        } else {
            c.polygon({{cx - 10, cy - 3}, {cx + 10, cy - 3}, {cx + 4, cy + 8}, {cx - 4, cy + 8}});
            c.setVerticalGradient(cy - 3, hex(0xE0F4FF), cy + 8, hex(0x8AC8E8));
            c.fillOutlined(1.4);
            c.limb({cx, cy + 8}, {cx, cy + 14}, 2, hex(0xE0F4FF), 1.1);
            c.ellipse(cx, cy + 15, 7, 2.2);
            c.setColour(hex(0xE0F4FF));
            c.fillOutlined(1.2);
            fruit(c, cx - 4, cy - 6, 5, hex(0x9A5A2E));
            fruit(c, cx + 4, cy - 6, 5, hex(0x7CE0A0));
            fruit(c, cx + 1, cy - 13, 2.4, hex(0xE8203A));
        }
        break;
    case Food::Juice:
        c.polygon({{cx - 8, cy - 12}, {cx + 8, cy - 12}, {cx + 6, cy + 15}, {cx - 6, cy + 15}});
        c.setColour(hex(0xE8F6FF), 0.9);
        c.fillOutlined(1.5);
        c.polygon({{cx - 7.3, cy - 5}, {cx + 7.3, cy - 5}, {cx + 6, cy + 14}, {cx - 6, cy + 14}});
        c.setVerticalGradient(cy - 5, hex(0xFFC040), cy + 14, hex(0xF07A10));
        cairo_fill(cr);
        c.limb({cx + 2, cy - 3}, {cx + 6, cy - 18}, 1.8, hex(0xFF5A8A), 1);
        fruit(c, cx - 7, cy - 11, 3.5, hex(0xFFE040));
        c.highlight(cx - 3.5, cy, 1.5, 6, 0.8);
        break;
    case Food::Cocoa:  // a mug of hot cocoa
        cairo_new_path(cr);
        cairo_arc(cr, cx + 9, cy + 3, 5, -kPi / 2, kPi / 2);
        c.setColour(kInk);
        cairo_set_line_width(cr, 4.5);
        cairo_stroke_preserve(cr);
        c.setColour(hex(0xE8404A));
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
        c.box(cx - 10, cy - 7, 19, 21, 3, hex(0xFF6A6A), hex(0xC0282A), 1.5);
        c.ellipse(cx - 0.5, cy - 7, 9.5, 2.5);
        c.setColour(hex(0x7A4424));
        c.fillOutlined(1.2);
        c.blob(cx - 0.5, cy + 4, 3.5, 3, hex(0xFFFFFF), 1);
        steam(c, cx - 0.5, cy - 10, k);
        break;
    case Food::Apple:
    case Food::Pear:
        stalk(c, {cx, cy - 9}, {cx + 1, cy - 14});
        leaf(c, cx + 1, cy - 12, 7, -0.5);
        if (food == Food::Apple) {
            fruit(c, cx, cy, 10, hex(0xE8203A));
        } else {
            c.blob(cx, cy - 4, 6, 6, hex(0xB8D840), 1.4);
            fruit(c, cx, cy + 3, 9, hex(0xB8D840));
        }
        break;
    case Food::Bread:
        c.ellipse(cx, cy, 13, 8);
        c.setRadialGradient(cx - 4, cy - 4, 16, hex(0xF8C47A), hex(0xB0682A));
        c.fillOutlined(1.5);
        for (int i = -1; i <= 1; ++i) {
            cairo_move_to(cr, cx + i * 6 - 2, cy - 5);
            cairo_line_to(cr, cx + i * 6 + 2, cy + 1);
        }
        c.setColour(hex(0xFFE8B0));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        break;
    case Food::Pie:
        c.ellipse(cx, cy + 3, 13, 6);
        c.setColour(hex(0xC8CED8));
        c.fillOutlined(1.4);
        c.ellipse(cx, cy, 11, 5);
        c.setRadialGradient(cx - 3, cy - 2, 12, hex(0xF8C47A), hex(0xC07A3A));
        c.fillOutlined(1.4);
        for (int i = -1; i <= 1; ++i)
            c.blob(cx + i * 5, cy, 1.3, 1, hex(0xA02040), 0);
        steam(c, cx, cy - 6, k);
        break;
    case Food::Carrot:
        leaf(c, cx, cy - 11, 8, -2.0);
        leaf(c, cx, cy - 11, 8, -1.2);
        c.polygon({{cx - 5, cy - 11}, {cx + 5, cy - 11}, {cx, cy + 15}});
        c.setVerticalGradient(cy - 11, hex(0xFFA040), cy + 15, hex(0xE06010));
        c.fillOutlined(1.5);
        break;
    case Food::Melon:
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy - 6, 13, 0, kPi);
        cairo_close_path(cr);
        c.setColour(hex(0x3A9A3A));
        c.fillOutlined(1.5);
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy - 6, 10.5, 0, kPi);
        cairo_close_path(cr);
        c.setColour(hex(0xFF5A6A));
        cairo_fill(cr);
        for (int i = -2; i <= 2; ++i)
            c.blob(cx + i * 4, cy - 1 + std::abs(i) * -1.5, 0.9, 1.3, kInk, 0);
        break;
    case Food::Egg:
        c.ellipse(cx, cy + 5, 12, 4);
        c.setColour(hex(0x8AC8E8));
        c.fillOutlined(1.3);
        c.ellipse(cx, cy - 2, 7.5, 9.5);
        c.setRadialGradient(cx - 3, cy - 6, 12, hex(0xFFFFFF), hex(0xF0DCC0));
        c.fillOutlined(1.5);
        break;
    case Food::Sausage:
        c.limb({cx - 8, cy + 8}, {cx + 8, cy - 8}, 8, hex(0xC05A3A), 1.5);
        c.highlight(cx - 2, cy - 2, 4, 1.5, 0.6);
        break;
    case Food::Cookie:
        c.blob(cx, cy, 11, 11, hex(0xE0A860), 1.5);
        for (Point p : {Point{cx - 4, cy - 4}, Point{cx + 4, cy - 2}, Point{cx - 2, cy + 4}, Point{cx + 5, cy + 5}})
            c.blob(p.x, p.y, 1.7, 1.5, hex(0x5A2A10), 0);
        break;
    }
}

// The hammer head sits on top, the handle runs down; designed upright in a 32 by 64 box.
void hammerPicture(Canvas& c, Tint head, bool axe)
{
    c.limb({16, 14}, {16, 60}, 5, hex(0xB07A3A), 1.5);
    c.box(13, 50, 6, 10, 2, hex(0xE8404A), hex(0xA02030), 1.2);  // grip
    if (axe) {
        cairo_t* cr = c.cr();
        cairo_new_path(cr);
        cairo_move_to(cr, 16, 9);
        cairo_line_to(cr, 24, 5);
        cairo_curve_to(cr, 32, 10, 32, 24, 24, 29);
        cairo_line_to(cr, 16, 24);
        cairo_close_path(cr);
        c.setVerticalGradient(5, head.light, 29, head.dark);
        c.fillOutlined(1.5);
        c.box(12, 8, 8, 16, 2, hex(0x7A8699), hex(0x3A4250), 1.3);
    } else {
        c.box(3, 6, 26, 13, 3, head.light, head.dark, 1.6);
        c.box(1.5, 5, 5, 15, 1.5, lighter(head.base, 0.2), head.dark, 1.3);
    }
}

}  // namespace

void drawFood(Canvas& c, Food food)
{
    // Two frames that alternate slowly (four for the plates, which other quests animate faster):
    // a bounce and a glint, and curls of steam on hot meals.
    const bool plate = c.frameWidth() > c.frameHeight();
    const int frames = std::min(4, c.frameCapacity());
    eachFrame(c, frames, [&](int k) {
        const double bob = k % 2 == 1 ? -1.5 : 0;
        const double cx = c.frameWidth() / 2.0, cy = plate ? 18 : 24;
        foodPicture(c, food, cx, cy + bob, k);
        const Point glints[4] = {{7, -10}, {-6, -9}, {-12, -2}, {11, -4}};
        twinkle(c, cx + glints[k].x, cy + glints[k].y + bob, 3 + (k % 2) * 1.5);
    });
}

void drawHammer(Canvas& c, Tint head, bool axe)
{
    // Four frames: the tool rocks a little and a glint slides over its head.
    eachFrame(c, 4, [&](int k) {
        cairo_t* cr = c.cr();
        const double rock = (k == 1 ? 0.08 : k == 3 ? -0.08 : 0);
        cairo_save(cr);
        if (c.frameWidth() >= 64) {
            cairo_translate(cr, 32, 34);
            cairo_rotate(cr, 0.55 + rock);
            cairo_translate(cr, -16, -34);
        } else {
            cairo_translate(cr, 16, 40);
            cairo_rotate(cr, rock);
            cairo_translate(cr, -16, -40);
        }
        hammerPicture(c, head, axe);
        twinkle(c, 8 + k * 5, 10, 4);
        cairo_restore(cr);
    });
}

void drawBigWeight(Canvas& c)
{
    // The weight in the bar: the very picture the quest shows, twice the size.
    cairo_scale(c.cr(), 2, 2);
    weightPicture(c);
}

void drawHerb(Canvas& c)
{
    // The healing herb: a bunch of leafy stems with white blossoms, tied with a ribbon.
    stalk(c, {16, 58}, {9, 14});
    stalk(c, {16, 58}, {16, 8});
    stalk(c, {16, 58}, {23, 14});
    for (int i = 0; i < 4; ++i) {
        leaf(c, 10 + i * 0.5, 22 + i * 8, 9, -2.6 + i * 0.1);
        leaf(c, 17 + i * 0.5, 20 + i * 8, 9, -0.5 + i * 0.1, hex(0x6AD85A));
    }
    for (Point p : {Point{9, 13}, Point{16, 7}, Point{23, 13}}) {
        for (int i = 0; i < 5; ++i) {
            const double a = i * 2 * kPi / 5;
            c.blob(p.x + std::cos(a) * 2.6, p.y + std::sin(a) * 2.6, 2, 2, hex(0xFFFFFF), 0.9);
        }
        c.blob(p.x, p.y, 1.5, 1.5, hex(0xFFD23A), 0.6);
    }
    c.box(11, 44, 10, 5, 2, hex(0xFF7AB0), hex(0xD03A70), 1.2);
}

void drawHorn(Canvas& c, Tint brass)
{
    // A curled hunting horn with a red cord.
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 10, 30);
    cairo_curve_to(cr, 14, 10, 40, 6, 50, 20);
    c.setColour(hex(0xC0203A));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 6, 40);
    cairo_curve_to(cr, 14, 52, 38, 54, 46, 30);
    cairo_line_to(cr, 58, 20);
    cairo_line_to(cr, 60, 46);
    cairo_line_to(cr, 50, 38);
    cairo_curve_to(cr, 42, 58, 12, 58, 4, 43);
    cairo_close_path(cr);
    c.setVerticalGradient(20, brass.light, 58, brass.dark);
    c.fillOutlined(1.8);
    c.ellipse(59, 33, 3.5, 13);
    c.setColour(darker(brass.dark, 0.4));
    c.fillOutlined(1.6);
    c.box(2, 37, 6, 9, 2, kSteel, kIron, 1.3);
    for (double x : {22.0, 36.0})
        c.box(x, 43 - (x - 22) * 0.3, 4, 12, 1.5, lighter(brass.base, 0.3), brass.dark, 1.1);
    c.highlight(30, 46, 10, 2, 0.7);
}

void drawClue(Canvas& c)
{
    // The letter: an envelope sealed in red wax, with a turning glint.
    eachFrame(c, 4, [&](int k) {
        cairo_t* cr = c.cr();
        c.box(2, 7, 28, 19, 1.5, hex(0xFFF8E6), hex(0xE8D6AE), 1.5);
        cairo_move_to(cr, 2.5, 8);
        cairo_line_to(cr, 16, 18);
        cairo_line_to(cr, 29.5, 8);
        c.setColour(kInk);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        c.blob(16, 18, 4, 4, hex(0xD02030), 1.2);
        c.highlight(15, 17, 1.5, 1.2, 0.8);
        twinkle(c, 5 + k * 7, 8, 3.5);
    });
}

void drawWand(Canvas& c)
{
    c.limb({8, 20}, {8, 61}, 3.2, hex(0x3A2A5A), 1.2);
    c.box(6, 50, 4, 8, 1.5, kGold, hex(0xB07A1E), 1);
    starPath(c, 8, 11, 5, 7.5, 3.3);
    c.setRadialGradient(7, 9, 8, hex(0xFFFFFF), hex(0xFFD23A));
    c.fillOutlined(1.3);
    twinkle(c, 13, 3, 2.5);
    twinkle(c, 2.5, 18, 2);
}

void drawBow(Canvas& c)
{
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 9, 4);
    cairo_line_to(cr, 9, 60);
    c.setColour(hex(0xE8E2D6));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_move_to(cr, 9, 4);
    cairo_curve_to(cr, 30, 16, 30, 48, 9, 60);
    c.setColour(kInk);
    cairo_set_line_width(cr, 6);
    cairo_stroke_preserve(cr);
    c.setColour(hex(0xE8303A));
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
    c.box(20, 27, 6, 10, 2, kGold, hex(0xB07A1E), 1.2);
}

void drawShield(Canvas& c)
{
    cairo_t* cr = c.cr();
    cairo_new_path(cr);
    cairo_move_to(cr, 3, 10);
    cairo_curve_to(cr, 10, 10, 14, 8, 16, 5);
    cairo_curve_to(cr, 18, 8, 22, 10, 29, 10);
    cairo_curve_to(cr, 29, 36, 24, 50, 16, 58);
    cairo_curve_to(cr, 8, 50, 3, 36, 3, 10);
    cairo_close_path(cr);
    c.setVerticalGradient(5, hex(0x7AA8FF), 58, hex(0x2A4AB0));
    c.fillOutlined(2);
    c.limb({16, 12}, {16, 48}, 3, hex(0xF5C842), 1);
    c.limb({7, 24}, {25, 24}, 3, hex(0xF5C842), 1);
    c.highlight(10, 18, 3, 6, 0.6);
}

void drawShoes(Canvas& c)
{
    // Winged running shoes.
    for (int i = 0; i < 2; ++i) {
        const double x = 6 + i * 26, y = 26 + i * 10;
        leaf(c, x + 6, y + 4, 12, -2.4, hex(0xFFFFFF));
        c.box(x, y + 4, 14, 14, 5, hex(0xFF8A5A), hex(0xC0402A), 1.6);
        c.box(x + 4, y + 12, 22, 9, 4.5, hex(0xFF8A5A), hex(0xC0402A), 1.6);
        c.box(x + 3, y + 19, 24, 3.5, 1.5, hex(0xFFFFFF), hex(0xC8CED8), 1.2);
    }
}

void drawGloves(Canvas& c)
{
    for (int i = 0; i < 2; ++i) {
        cairo_t* cr = c.cr();
        cairo_save(cr);
        cairo_translate(cr, 20 + i * 24, 34);
        cairo_rotate(cr, i == 0 ? -0.3 : 0.3);
        c.box(-8, 10, 16, 12, 2, hex(0xF5C842), hex(0xB07A1E), 1.4);
        for (int f = 0; f < 4; ++f)
            c.box(-8 + f * 4, -14 + std::abs(f - 1.5) * 2, 4, 16, 2, hex(0xB07A4A), hex(0x7A4A22), 1.1);
        c.box(-9, -2, 18, 14, 4, hex(0xB07A4A), hex(0x7A4A22), 1.4);
        c.box(i == 0 ? 7 : -13, 0, 6, 10, 3, hex(0xB07A4A), hex(0x7A4A22), 1.2);
        cairo_restore(cr);
    }
}

void drawAmulet(Canvas& c)
{
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 14, 6);
    cairo_curve_to(cr, 14, 26, 26, 34, 32, 36);
    cairo_curve_to(cr, 38, 34, 50, 26, 50, 6);
    c.setColour(kInk);
    cairo_set_line_width(cr, 3.5);
    cairo_stroke_preserve(cr);
    c.setColour(kGold);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
    c.blob(32, 46, 13, 13, kGold, 2);
    c.ellipse(32, 46, 8.5, 8.5);
    c.setRadialGradient(29, 42, 12, hex(0x9AF0FF), hex(0x1A7AB0));
    c.fillOutlined(1.4);
    c.highlight(29, 43, 3, 2, 0.9);
}

void drawBag(Canvas& c)
{
    cairo_t* cr = c.cr();
    cairo_new_path(cr);
    cairo_move_to(cr, 24, 20);
    cairo_curve_to(cr, 6, 30, 4, 58, 32, 58);
    cairo_curve_to(cr, 60, 58, 58, 30, 40, 20);
    cairo_close_path(cr);
    c.setRadialGradient(26, 34, 30, hex(0xD8A060), hex(0x8A5A2E));
    c.fillOutlined(2);
    c.polygon({{22, 10}, {32, 18}, {42, 10}, {40, 21}, {24, 21}});
    c.setColour(hex(0xC08A4A));
    c.fillOutlined(1.6);
    c.limb({22, 21}, {42, 21}, 3, hex(0xE8303A), 1.2);
    c.blob(32, 42, 7, 7, kGold, 1.5);
    TextStyle s;
    s.size = 9;
    s.top = hex(0x8A5A10);
    s.bottom = hex(0x8A5A10);
    s.outlineWidth = 0;
    c.text("$", 32, 42.5, s);
}

void drawMap(Canvas& c)
{
    cairo_t* cr = c.cr();
    c.box(8, 12, 48, 40, 2, hex(0xFFF2CC), hex(0xE6CF9A), 1.8);
    for (double x : {8.0, 56.0})
        c.box(x - 4, 9, 8, 46, 4, hex(0xE6CF9A), hex(0xB0905A), 1.5);
    cairo_move_to(cr, 14, 44);
    cairo_curve_to(cr, 22, 30, 30, 46, 36, 32);
    cairo_curve_to(cr, 40, 24, 44, 26, 46, 22);
    c.setColour(hex(0x8A5A2E));
    cairo_set_line_width(cr, 1.4);
    const double dash[] = {2.5, 2};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    c.limb({43, 18}, {50, 25}, 2, hex(0xE8303A), 1);
    c.limb({50, 18}, {43, 25}, 2, hex(0xE8303A), 1);
    c.blob(18, 22, 4, 3, hex(0x7CD04A), 1);
}

}  // namespace artgen
