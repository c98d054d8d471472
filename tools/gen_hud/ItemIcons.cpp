#include "ItemIcons.h"

#include "MenuPainting.h"
#include "menus/MenuCells.h"

using figures::Drawing;
using figures::Painted;
using figures::Polygon;
using namespace menu_paint;

namespace {

Drawing Dagger() {
  Drawing d;
  d.Add(Polygon{{{44, 12}, {50, 14}, {30, 36}, {26, 32}}, 1.0f}, Painted(Steel, 1.4f));
  d.Add(Stroke({21, 29}, {33, 41}, 4.0f), Painted(Gold, 1.2f));
  d.Add(Stroke({26, 38}, {18, 46}, 4.4f), Painted(Leather, 1.2f));
  d.Add(Disc({16.5f, 47.5f}, 3.2f), Painted(Gold, 1.2f));
  return d;
}

Drawing Sword() {
  Drawing d;
  d.Add(Polygon{{{46, 8}, {54, 10}, {22, 42}, {18, 38}}, 1.0f}, Painted(Steel, 1.4f));
  d.Add(Stroke({13, 33}, {27, 47}, 4.0f), Painted(Gold, 1.2f));
  d.Add(Stroke({19, 45}, {11, 53}, 4.2f), Painted(Leather, 1.2f));
  d.Add(Disc({9.5f, 54.5f}, 3.6f), Painted(Gold, 1.2f));
  return d;
}

Drawing Spear() {
  Drawing d;
  d.Add(Stroke({10, 54}, {42, 22}, 3.6f), Painted(Leather, 1.2f));
  d.Add(Polygon{{{40, 18}, {55, 9}, {46, 24}}, 1.0f}, Painted(Steel, 1.4f));
  d.Add(Stroke({38, 22}, {42, 26}, 3.0f), Painted(Gold, 1.0f));
  return d;
}

Drawing Helm() {
  Drawing d;
  d.Add(Polygon{{{14, 40},
                 {14, 28},
                 {20, 16},
                 {32, 11},
                 {44, 16},
                 {50, 28},
                 {50, 40},
                 {44, 50},
                 {38, 50},
                 {38, 36},
                 {26, 36},
                 {26, 50},
                 {20, 50}},
                2.5f},
        Painted(Steel, 1.4f));
  d.Add(Stroke({32, 12}, {32, 46}, 3.0f), Painted(Steel, 1.2f));
  d.Add(Stroke({18, 30}, {46, 30}, 2.0f), Painted(Gold, 1.0f));
  return d;
}

Drawing Breastplate() {
  Drawing d;
  d.Add(Polygon{{{12, 14},
                 {24, 10},
                 {32, 16},
                 {40, 10},
                 {52, 14},
                 {50, 30},
                 {46, 54},
                 {18, 54},
                 {14, 30}},
                3.0f},
        Painted(Steel, 1.4f));
  d.Add(Stroke({32, 18}, {32, 50}, 2.0f), Painted(0xFFC8CED8, 1.0f));
  d.Add(Stroke({18, 40}, {46, 40}, 2.4f), Painted(Leather, 1.0f));
  return d;
}

Drawing Gauntlet() {
  Drawing d;
  d.Add(Polygon{{{20, 56},
                 {20, 36},
                 {16, 26},
                 {22, 24},
                 {26, 30},
                 {26, 14},
                 {31, 12},
                 {33, 28},
                 {34, 10},
                 {39, 10},
                 {40, 28},
                 {42, 13},
                 {47, 14},
                 {46, 32},
                 {49, 20},
                 {53, 22},
                 {50, 40},
                 {44, 56}},
                2.0f},
        Painted(Steel, 1.4f));
  d.Add(Stroke({20, 48}, {44, 48}, 3.0f), Painted(Leather, 1.0f));
  return d;
}

Drawing Boot() {
  Drawing d;
  d.Add(Polygon{{{22, 8}, {38, 8}, {38, 38}, {52, 44}, {54, 54}, {14, 54}, {18, 40}}, 3.0f},
        Painted(Leather, 1.4f));
  d.Add(Stroke({20, 16}, {40, 16}, 3.0f), Painted(0xFFC89868, 1.0f));
  d.Add(Stroke({14, 52}, {54, 52}, 3.5f), Painted(0xFF9A7050, 1.0f));
  return d;
}

Drawing Key() {
  Drawing d;
  d.Add(Disc({20, 22}, 10.0f), Painted(Gold, 1.4f));
  d.Add(Disc({20, 22}, 4.0f), Painted(0xFF3A3020, 1.0f));
  d.Add(Stroke({27, 29}, {50, 52}, 5.0f), Painted(Gold, 1.4f));
  d.Add(Stroke({44, 46}, {50, 40}, 4.0f), Painted(Gold, 1.2f));
  d.Add(Stroke({38, 40}, {43, 35}, 4.0f), Painted(Gold, 1.2f));
  return d;
}

}  // namespace

Drawing KindIcon(int kind) {
  switch (kind) {
    case 0:
      return Dagger();
    case 1:
      return Sword();
    case 2:
      return Spear();
    case 3:
      return Helm();
    case 4:
      return Breastplate();
    case 5:
      return Gauntlet();
    case 6:
      return Boot();
    default:
      return Key();
  }
}

Drawing FlaskIcon() {
  Drawing d;
  d.Add(Polygon{{{27, 10}, {37, 10}, {37, 24}, {50, 46}, {46, 55}, {18, 55}, {14, 46}, {27, 24}},
                3.0f},
        Painted(0xFFB8E0E8, 1.4f));
  d.Add(Polygon{{{20, 40}, {44, 40}, {48, 47}, {45, 53}, {19, 53}, {16, 47}}, 2.0f},
        Painted(0xFFD05068, 1.0f));
  d.Add(Stroke({26, 9}, {38, 9}, 4.0f), Painted(Leather, 1.0f));
  return d;
}

void DrawItemIcons(GeneratedAtlas& atlas) {
  for (int kind = 0; kind < MenuCells::KindIconCount; ++kind) {
    ClearCell(atlas, MenuCells::KindIcons[kind]);
    Compose(atlas, MenuCells::KindIcons[kind], KindIcon(kind));
  }
}
