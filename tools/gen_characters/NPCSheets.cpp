// The villagers' sheets and portraits. Every villager is the same figure at rest in the one
// cell its sheet has, told apart by a row of the table below: colours, hair, headgear, dress,
// what it carries and its build, scaled to the character's height. The portrait is that same
// figure seen close, its head and shoulders over a round backdrop.

#include "NPCSheets.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "BipedMoves.h"
#include "CharacterSheets.h"
#include "npcs/NPCAnimationPool.h"
#include "npcs/NPCCast.h"
#include "player/PlayerFrameTable.h"

namespace figures {

namespace {

enum Extra : unsigned {
  Beard = 1,
  Scarf = 2,
  Sack = 4,
  Elfin = 8,  // pointed ears
  Shielded = 16,
};

// What sets one villager apart.
struct Look {
  const char* name;
  uint32_t skin, hair, shirt, vest, trousers, boots, accent;  // accent: hood, hat and scarf
  Hair hairStyle = Hair::Short;
  Headgear headgear = Headgear::None;
  float skirt = 0.0f;  // as Gear::skirt
  uint32_t skirtColor = 0;
  Weapon held = Weapon::None;
  float girth = 1.0f;  // the body's thickness against the plain build
  float head = 1.0f;   // the head's size against the plain build; children's are large
  unsigned extras = 0;
  uint32_t metal = 0xFFB8C2CC;
  uint32_t backdrop = 0xFF7A8A9A;
};

constexpr std::array<Look, NPCKindCount> Looks{{
    {.name = "Jennifer", .skin = 0xFFF0C8A8, .hair = 0xFFD2603A, .shirt = 0xFFF2D27A,
     .vest = 0xFF3E8C7A, .trousers = 0xFF6A4A3A, .boots = 0xFF5A3A26, .accent = 0xFFE07A9A,
     .hairStyle = Hair::Ponytail, .skirt = 0.45f, .skirtColor = 0xFF3E8C7A, .girth = 0.9f,
     .head = 1.12f, .extras = Scarf | Sack, .backdrop = 0xFF6E9A8C},
    {.name = "Carolyn", .skin = 0xFFE8B898, .hair = 0xFF5A3420, .shirt = 0xFFE2D6B8,
     .vest = 0xFF5E8A3A, .trousers = 0xFF4A5A3A, .boots = 0xFF4A3222, .accent = 0xFFB0C86A,
     .hairStyle = Hair::Bun, .skirt = 0.95f, .skirtColor = 0xFF4E7A34, .girth = 1.05f,
     .backdrop = 0xFF8AA66A},
    {.name = "Charlie", .skin = 0xFFF0C0A0, .hair = 0xFFE8C46A, .shirt = 0xFFC0443A,
     .vest = 0xFF3E5E9A, .trousers = 0xFF3E5E9A, .boots = 0xFF5C4030, .accent = 0xFFE0B050,
     .head = 1.05f, .backdrop = 0xFFD0A868},
    {.name = "Girvin", .skin = 0xFFF2CCAA, .hair = 0xFFB8481E, .shirt = 0xFF6AA04A,
     .vest = 0xFF8A6A48, .trousers = 0xFF7A6A58, .boots = 0xFF5A3E28, .accent = 0xFFE0C040,
     .held = Weapon::ShortSword, .girth = 0.95f, .head = 1.35f, .metal = 0xFFB08452,
     .backdrop = 0xFF9AC07A},
    {.name = "Hazel", .skin = 0xFFD8A880, .hair = 0xFF8A5A2E, .shirt = 0xFF5A6A3A,
     .vest = 0xFF7A5232, .trousers = 0xFF4A4A36, .boots = 0xFF3E2C1E, .accent = 0xFF3E6A3A,
     .headgear = Headgear::Hood, .held = Weapon::Spear, .backdrop = 0xFF4E7A56},
    {.name = "Horus", .skin = 0xFF8A5A3A, .hair = 0xFF2A1E18, .shirt = 0xFF8A5A3A,
     .vest = 0xFF6E4A2C, .trousers = 0xFF3E3A40, .boots = 0xFF2E2420, .accent = 0xFFC05030,
     .hairStyle = Hair::Bald, .skirt = 0.6f, .skirtColor = 0xFF6E4A2C, .held = Weapon::Hammer,
     .girth = 1.3f, .head = 0.95f, .extras = Beard, .metal = 0xFF5E646C, .backdrop = 0xFFB0603A},
    {.name = "Isadora", .skin = 0xFFF0D0B8, .hair = 0xFF1E1A2A, .shirt = 0xFF5A3A8A,
     .vest = 0xFF3A2A5E, .trousers = 0xFF2E2A3E, .boots = 0xFF2A2230, .accent = 0xFF4A2E7A,
     .hairStyle = Hair::Long, .headgear = Headgear::PointedHat, .skirt = 1.0f,
     .skirtColor = 0xFF4A2E7A, .held = Weapon::Staff, .girth = 0.9f, .backdrop = 0xFF6A5A9A},
    {.name = "Kaetlyn", .skin = 0xFFE8C8A0, .hair = 0xFFE6D48A, .shirt = 0xFF3E4E6E,
     .vest = 0xFF2E3A52, .trousers = 0xFF3A3A2E, .boots = 0xFF4A3424, .accent = 0xFF8A2E4A,
     .hairStyle = Hair::Ponytail, .held = Weapon::Dagger, .girth = 0.85f,
     .extras = Scarf | Elfin, .backdrop = 0xFF6A7A9A},
    {.name = "Kavi", .skin = 0xFFA86E44, .hair = 0xFF201A18, .shirt = 0xFFE0A030,
     .vest = 0xFF2E7A7A, .trousers = 0xFFD8CCAA, .boots = 0xFF6A4A2A, .accent = 0xFFC0302E,
     .girth = 1.05f, .extras = Beard | Scarf, .backdrop = 0xFFD89A4A},
    {.name = "Miche", .skin = 0xFFE0B494, .hair = 0xFFB8B4AC, .shirt = 0xFF5A6E8A,
     .vest = 0xFF4A5A74, .trousers = 0xFF4A4A52, .boots = 0xFF3E3028, .accent = 0xFF8A7A5A,
     .hairStyle = Hair::Long, .skirt = 1.0f, .skirtColor = 0xFF52627E, .held = Weapon::Staff,
     .girth = 0.9f, .extras = Beard, .backdrop = 0xFF8A9AB0},
    {.name = "Naomi", .skin = 0xFF7A4E34, .hair = 0xFF1A1412, .shirt = 0xFFE8E0CC,
     .vest = 0xFFC8A848, .trousers = 0xFF8A7A6A, .boots = 0xFF6A4A30, .accent = 0xFF3A7AB0,
     .hairStyle = Hair::Bun, .skirt = 0.9f, .skirtColor = 0xFF4A86C0, .girth = 0.95f,
     .backdrop = 0xFF8AB0D0},
    {.name = "Nia", .skin = 0xFFC08858, .hair = 0xFF3A2418, .shirt = 0xFFE8C04A,
     .vest = 0xFFD07030, .trousers = 0xFF7A5A40, .boots = 0xFF6A3E22, .accent = 0xFFD04A3A,
     .hairStyle = Hair::Ponytail, .skirt = 0.4f, .skirtColor = 0xFFD07030, .girth = 0.95f,
     .head = 1.35f, .backdrop = 0xFFE0B060},
    {.name = "Oren", .skin = 0xFFE4B08A, .hair = 0xFF7A4A28, .shirt = 0xFF4A6A9A,
     .vest = 0xFF4E7A3E, .trousers = 0xFF5A4A3A, .boots = 0xFF4A3222, .accent = 0xFFC89A3C,
     .girth = 1.25f, .extras = Beard, .backdrop = 0xFF7A9A5A},
    {.name = "Sealth", .skin = 0xFFC89470, .hair = 0xFFC8C8D0, .shirt = 0xFF4A5A6E,
     .vest = 0xFF6A7A8E, .trousers = 0xFF3E4452, .boots = 0xFF3A3238, .accent = 0xFF3E5670,
     .headgear = Headgear::Hood, .skirt = 1.0f, .skirtColor = 0xFF44546A, .girth = 0.95f,
     .backdrop = 0xFF5A7A9A},
    {.name = "Sophiya", .skin = 0xFFF0C8B0, .hair = 0xFF2A1A14, .shirt = 0xFFC83A5A,
     .vest = 0xFF8A2A44, .trousers = 0xFF4A3040, .boots = 0xFF3E2630, .accent = 0xFFE0B84A,
     .hairStyle = Hair::Long, .skirt = 0.55f, .skirtColor = 0xFFB03050, .girth = 0.9f,
     .extras = Scarf, .backdrop = 0xFFD07A8A},
    {.name = "Sybil", .skin = 0xFFE2B48C, .hair = 0xFF3A2A20, .shirt = 0xFFB8A070,
     .vest = 0xFF8A5A2A, .trousers = 0xFF5A5A48, .boots = 0xFF4A3422, .accent = 0xFFE08A2A,
     .headgear = Headgear::Hood, .held = Weapon::Hammer, .girth = 1.1f,
     .backdrop = 0xFFC09A5A},
    {.name = "Tessa", .skin = 0xFFECC0A0, .hair = 0xFFC03A1E, .shirt = 0xFF6A2A2A,
     .vest = 0xFF7A5A3A, .trousers = 0xFF3A3A40, .boots = 0xFF2E2620, .accent = 0xFF8A7A6A,
     .hairStyle = Hair::Ponytail, .held = Weapon::ShortSword, .girth = 1.05f,
     .backdrop = 0xFFA05A4A},
    {.name = "Verrill", .skin = 0xFFD8A47E, .hair = 0xFF5A4030, .shirt = 0xFF2E4A7A,
     .vest = 0xFFA8B4C0, .trousers = 0xFF3A3E4A, .boots = 0xFF3A2E26, .accent = 0xFF2E4A7A,
     .headgear = Headgear::Helmet, .held = Weapon::Spear, .girth = 1.15f,
     .extras = Beard | Shielded, .backdrop = 0xFF6A7E9A},
    {.name = "Veruliya", .skin = 0xFFD09870, .hair = 0xFF1E1612, .shirt = 0xFF2E8A7A,
     .vest = 0xFFC8A040, .trousers = 0xFF5A2A5A, .boots = 0xFF4A2A3A, .accent = 0xFFA03A8A,
     .headgear = Headgear::Hood, .skirt = 0.95f, .skirtColor = 0xFF8A2A7A,
     .extras = Scarf, .backdrop = 0xFFA06AA0},
}};

constexpr float SwordLength = 20.0f;
constexpr float DaggerLength = 16.0f;  // the drawn blade is half of it
constexpr float HammerLength = 16.0f;
// Texels kept clear at the top of a villager's cell, and how much more a figure that reaches
// into them shrinks at each try.
constexpr float CellMargin = 4.0f;
constexpr float ShrinkStep = 0.005f;
// A pole held upright stands this many texels clear of the ground.
constexpr float PoleClearance = 3.0f;
// A spear's point stands this far over the head, and its blade begins this far from the hand.
constexpr float SpearAbove = 6.0f;
constexpr float BladeStart = 4.5f;

// The portrait: the part the people pages show, the backdrop behind the head, and where the
// figure's head top and its chest reach.
constexpr float PortraitHeadX = 236.0f;
constexpr float PortraitTop = 150.0f;
constexpr float PortraitHighest = 40.0f;
constexpr Point BackdropMiddle{232.0f, 258.0f};
constexpr float BackdropRadius = 100.0f;
constexpr float PortraitLine = 0.6f;  // outlines grow less than the figure

// At rest, hands at the sides; a pole stands upright in the near hand, a blade hangs from it.
BipedPose AtRest(const Style& style) {
  BipedPose pose = Stand(style);
  pose.lean = 1.0f;
  switch (style.gear.weapon) {
    case Weapon::Staff:
    case Weapon::Spear:
      return OtherArm(Arm(pose, 22.0f, 58.0f, 90.0f), -6.0f, 14.0f);
    case Weapon::None:
      return OtherArm(Arm(pose, 6.0f, 16.0f, -90.0f), -6.0f, 14.0f);
    default:
      return OtherArm(Arm(pose, 8.0f, 14.0f, -70.0f), -6.0f, 14.0f);
  }
}

float FigureHeight(const Style& style) {
  const BipedJoints j = PlaceJoints(style, Stand(style));
  return j.head.y + style.biped.headRadius;
}

void Grow(BipedBuild& b, float factor) {
  for (float* length : {&b.shin, &b.thigh, &b.torso, &b.neck, &b.headRadius, &b.upperArm,
                        &b.forearm, &b.footLength, &b.heel, &b.hipRadius, &b.chestRadius,
                        &b.thighRadius, &b.ankleRadius, &b.upperArmRadius, &b.wristRadius,
                        &b.handRadius}) {
    *length *= factor;
  }
}

// The look at the character's height, its head top where the top of its body stands.
Style LookAtHeight(const Look& look, float height) {
  Style style;
  Palette& c = style.palette;
  c.skin = look.skin;
  c.hair = look.hair;
  c.shirt = look.shirt;
  c.vest = look.vest;
  c.trousers = look.trousers;
  c.boots = look.boots;
  c.gloves = look.skin;
  c.accent = look.accent;
  c.metal = look.metal;
  Gear& g = style.gear;
  g.hair = look.hairStyle;
  g.headgear = look.headgear;
  g.headgearColor = look.headgear == Headgear::Helmet ? look.metal : look.accent;
  g.skirt = look.skirt;
  g.skirtColor = look.skirtColor;
  g.weapon = look.held;
  g.beard = look.extras & Beard;
  g.scarf = look.extras & Scarf;
  g.sack = look.extras & Sack;
  g.pointedEars = look.extras & Elfin;
  g.shield = look.extras & Shielded;
  g.shieldColor = look.accent;
  BipedBuild& b = style.biped;
  for (float* thickness : {&b.hipRadius, &b.chestRadius, &b.thighRadius, &b.upperArmRadius}) {
    *thickness *= look.girth;
  }
  b.headRadius *= look.head;
  const float scale = height * SpritePixelsPerUnit() / FigureHeight(style);
  Grow(b, scale);
  switch (look.held) {
    case Weapon::Staff: {
      // Long enough that its foot stands just off the ground.
      const float hand = PlaceJoints(style, AtRest(style)).hand[Near].y;
      g.bladeLength = (hand - PoleClearance) / 0.5f;
      break;
    }
    case Weapon::Spear: {
      // Its point a little over the head.
      const BipedJoints j = PlaceJoints(style, AtRest(style));
      g.bladeLength = j.head.y + b.headRadius + SpearAbove - j.hand[Near].y - BladeStart;
      break;
    }
    case Weapon::Dagger: g.bladeLength = DaggerLength * scale; break;
    case Weapon::Hammer: g.bladeLength = HammerLength * scale; break;
    default: g.bladeLength = SwordLength * scale; break;
  }
  return style;
}

// The highest row any part of the drawing reaches.
float TopOf(const Drawing& drawing) {
  float top = 1e9f;
  for (const Part& part : drawing.Parts()) {
    for (const Piece& piece : part.pieces) {
      if (piece.IsPolygon()) {
        for (Point corner : piece.polygon.corners) {
          top = std::min(top, corner.y - piece.polygon.rounding);
        }
      } else {
        top = std::min({top, piece.capsule.a.y - piece.capsule.radiusA,
                        piece.capsule.b.y - piece.capsule.radiusB});
      }
    }
  }
  return top;
}

// The look at the character's height, or shorter where the cell leaves no room above it
// for a tall villager, a hat or a spear.
Style StyleOf(const Look& look, float height, float feet) {
  for (;;) {
    const Style style = LookAtHeight(look, height);
    Drawing drawing;
    DrawBiped(drawing, style, AtRest(style), {0.0f, feet});
    const float over = CellMargin - TopOf(drawing);
    if (over <= 0.0f) return style;
    height *= 1.0f - over / (feet - TopOf(drawing)) - ShrinkStep;
  }
}

// Adds the drawing moved and enlarged: the point `from` goes to `to`, every length grows by
// the factor.
void AddEnlarged(Drawing& into, const Drawing& drawing, Point from, Point to, float factor) {
  auto place = [&](Point p) { return to + (p - from) * factor; };
  for (Part part : drawing.Parts()) {
    for (Piece& piece : part.pieces) {
      piece.capsule = {place(piece.capsule.a), place(piece.capsule.b),
                       piece.capsule.radiusA * factor, piece.capsule.radiusB * factor};
      for (Point& corner : piece.polygon.corners) corner = place(corner);
      piece.polygon.rounding *= factor;
    }
    part.paint.outlineWidth *= factor * PortraitLine;
    into.Add(part);
  }
}

// Head and shoulders, empty-handed, the chest cut off at the foot of the part the people
// pages show.
void DrawPortrait(platform::Image& image, const Look& look, Style style) {
  style.gear.weapon = Weapon::None;
  style.gear.shield = false;
  const BipedPose pose = AtRest(style);
  Drawing figure;
  DrawBiped(figure, style, pose, {0.0f, 0.0f});
  const BipedJoints j = PlaceJoints(style, pose);
  const float chest = -Lerp(j.pelvis, j.neck, 0.45f).y;
  const float bottom = static_cast<float>(PortraitCrop.bottom);
  // The head top at its row, unless a hat would then reach out of the picture.
  const float factor = std::min((bottom - PortraitTop) / (chest + j.head.y + style.biped.headRadius),
                                (bottom - PortraitHighest) / (chest - TopOf(figure)));
  Drawing portrait;
  portrait.Add(Capsule{BackdropMiddle, BackdropMiddle, BackdropRadius, BackdropRadius},
               Painted(look.backdrop, 3.0f));
  AddEnlarged(portrait, figure, {j.head.x, chest}, {PortraitHeadX, bottom}, factor);
  Render(portrait, image, {0, 0, image.width, PortraitCrop.bottom + 1});
}

}  // namespace

bool DrawNPCSheets(const std::filesystem::path& contentFolder,
                   const std::filesystem::path& contactFolder) {
  std::vector<std::string> sheets;
  std::vector<SheetAnimation> animations;
  bool saved = true;
  for (size_t kind = 0; kind < Cast().size(); ++kind) {
    const CastMember& member = Cast()[kind];
    const Look& look = Looks[kind];
    if (std::string(look.name) != member.name) {
      std::fprintf(stderr, "gen_characters: the look of %s is not the cast's %s\n", look.name,
                   member.name);
      return false;
    }
    const float feet = member.height / 2.0f * SpritePixelsPerUnit();
    const float cellMiddle = static_cast<float>(NPCAnimationPool::CellSide) / 2.0f;
    const Style style = StyleOf(look, member.height, cellMiddle + feet);
    sheets.push_back(UnderContent(SheetPath(member)));
    const Figure atRest = [style](Drawing& d, Point anchor, float) {
      DrawBiped(d, style, AtRest(style), anchor);
    };
    std::vector<SheetAnimation> own = EnemyAnimations(
        NPCAnimationPool::Cells(), [&atRest](int) { return atRest; },
        [feet](int) { return feet; });
    for (SheetAnimation& animation : own) {
      animation.name = member.name;
      animation.sheet = static_cast<int>(kind);
      animations.push_back(std::move(animation));
    }
    GeneratedAtlas portrait(contentFolder / UnderContent(PortraitPath(member)),
                         static_cast<int>(NPCPortraitSide));
    DrawPortrait(portrait.image, look, style);
    saved = portrait.Save("gen_characters") && saved;
  }
  return DrawCharacter("NPCs", sheets, static_cast<int>(NPCSheetSide), animations, contentFolder,
                       contactFolder) &&
         saved;
}

}  // namespace figures
