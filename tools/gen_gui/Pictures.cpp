#include "tools/gen_gui/Pictures.h"

namespace gui {

namespace {

constexpr uint32_t Glass = 0xFFCFE6F6;
constexpr uint32_t Skin = 0xFFF4F0E8;

}  // namespace

void AddArrowPointer(Drawing& drawing, Point tip, uint32_t fill) {
  const float x = tip.x;
  const float y = tip.y;
  drawing.Add(Polygon{{{x, y},
                       {x, y + 13.5f},
                       {x + 3.2f, y + 10.6f},
                       {x + 5.6f, y + 14.6f},
                       {x + 7.6f, y + 13.6f},
                       {x + 5.4f, y + 9.6f},
                       {x + 9.4f, y + 9.4f}},
                      0.3f},
              Flat(fill, 1.2f));
}

void AddMagnifier(Drawing& drawing, Point lens, float radius, bool plus) {
  const float reach = radius * 0.72f;
  drawing.Add(Line({lens.x + reach, lens.y + reach},
                   {lens.x + radius * 1.75f, lens.y + radius * 1.75f}, radius * 0.32f),
              Flat(Wood, 1.0f));
  drawing.Add(Dot(lens, radius), Flat(Glass, radius * 0.3f, Ink));
  const float arm = radius * 0.52f;
  const float thickness = radius * 0.14f + 0.3f;
  Part sign{{Line({lens.x - arm, lens.y}, {lens.x + arm, lens.y}, thickness)}, Flat(Ink, 0.0f)};
  if (plus)
    sign.pieces.emplace_back(Line({lens.x, lens.y - arm}, {lens.x, lens.y + arm}, thickness));
  drawing.Add(sign);
}

void AddHand(Drawing& drawing, Point palm) {
  const float x = palm.x;
  const float y = palm.y;
  Part hand{{Box(x - 6.0f, y - 3.0f, x + 5.0f, y + 7.5f, 2.5f),
             Line({x - 4.6f, y - 3.0f}, {x - 4.6f, y - 9.0f}, 1.6f),
             Line({x - 1.4f, y - 3.0f}, {x - 1.4f, y - 11.0f}, 1.6f),
             Line({x + 1.8f, y - 3.0f}, {x + 1.8f, y - 10.5f}, 1.6f),
             Line({x + 4.8f, y - 2.0f}, {x + 4.8f, y - 7.5f}, 1.5f),
             Line({x - 5.5f, y + 3.0f}, {x - 10.0f, y - 2.0f}, 1.7f)},
            Flat(Skin, 1.1f)};
  drawing.Add(hand);
}

void AddPicture(Drawing& drawing, float left, float top, float right, float bottom) {
  const float w = right - left;
  const float h = bottom - top;
  drawing.Add(Box(left, top, right, bottom, 0.5f), Flat(Wood, 1.0f));
  const float inset = w * 0.12f;
  const float l = left + inset, t = top + inset, r = right - inset, b = bottom - inset;
  drawing.Add(Box(l, t, r, b), Flat(Sky, 0.0f));
  drawing.Add(Dot({r - w * 0.22f, t + h * 0.24f}, w * 0.09f), Flat(Sun, 0.0f));
  drawing.Add(Polygon{{{l, b},
                       {l, b - h * 0.22f},
                       {l + w * 0.3f, b - h * 0.48f},
                       {l + w * 0.55f, b - h * 0.25f},
                       {r, b - h * 0.4f},
                       {r, b}}},
              Flat(Grass, 0.0f));
}

void AddCrosshair(Drawing& drawing, Point center, float reach) {
  drawing.Add(Part{{Line({center.x - reach, center.y}, {center.x - 2.5f, center.y}, 1.5f),
                    Line({center.x + 2.5f, center.y}, {center.x + reach, center.y}, 1.5f),
                    Line({center.x, center.y - reach}, {center.x, center.y - 2.5f}, 1.5f),
                    Line({center.x, center.y + 2.5f}, {center.x, center.y + reach}, 1.5f)},
                   Flat(Ink, 0.45f, Paper)});
}

}  // namespace gui
