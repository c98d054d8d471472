#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "enemies/DemoEnemy.h"
#include "enemies/DemoEnemyAnimationPool.h"
#include "enemies/DemoGoblin.h"
#include "enemies/DemoGoblinAnimationPool.h"
#include "enemies/DemoWall.h"
#include "enemies/DemoWallAnimationPool.h"
#include "enemies/Goblin.h"
#include "enemies/GoblinAnimationPool.h"
#include "enemies/NidhoggletAggressive.h"
#include "enemies/NidhoggletAnimationPools.h"
#include "enemies/NidhoggletPassive.h"
#include "enemies/Ratatoskr.h"
#include "enemies/RatatoskrAnimationPool.h"
#include "npcs/NPCAnimationPool.h"
#include "npcs/NPCCast.h"
#include "platform/Image.h"
#include "player/PlayerFrameTable.h"

namespace {

using platform::PixelRect;

constexpr int SheetSide = 1024;
// A pixel at least this opaque counts as the figure's body rather than its soft edge.
constexpr uint32_t SolidAlpha = 128;

struct SheetCell {
  std::string what;
  int sheet;
  PixelRect cell;
  float footRow;  // from the cell's top
  bool standing;  // the figure rests on the ground in this cell
};

struct Character {
  std::vector<std::string> files;
  std::vector<SheetCell> cells;
};

// Player states whose pictures stand on the ground (the first state to name a cell draws it).
const std::set<int> StandingPlayerStates = {
    SlotIdling, SlotWalking, SlotDucking, SlotCrouching, SlotDodging, SlotCrouchWalking,
    SlotStanding, SlotGuarding, SlotGuardBreak1Up, SlotGuardBreak1Down, SlotGroundDashing,
    SlotGroundAttacking1, SlotUpAttacking, SlotDownAttacking};

// Player states held standing still on the ground, where the feet show where the body stands.
const std::set<int> StillPlayerStates = {SlotIdling,  SlotStill,     SlotSpeaking, SlotGuarding,
                                         SlotDucking, SlotCrouching, SlotStanding, SlotLanding};
// The soles, where the boots are longest: this far (units) above the feet row.
constexpr float SoleHeight = 0.1f;
// How far the soles may fall short of the body's bottom corners, or reach past them (units).
constexpr float MostAirBesideFeet = 0.15f;
// How far (units) the rear foot of the roll's first frame may stand in front of the crouch's.
constexpr float MostRollOpeningInsideCrouch = 0.25f;

const std::set<int> AirborneRatatoskrAnimations = {RatatoskrJumpAttacking, RatatoskrFalling};

Character Player() {
  Character player{{"mainAnimations9.png", "attackAnimationAtlas1.png", "attackAnimationAtlas2.png",
                    "attackAnimationAtlas3.png"},
                   {}};
  for (std::string& file : player.files) file = "Textures/Characters/Player/" + file;
  for (const PlayerStatePlan& state : PlayerStatePlans()) {
    for (const PlayerFramePlan& frame : state.frames) {
      player.cells.push_back({"player state " + std::to_string(state.slot), state.sheet, frame.cell,
                              FootLineInCell(state, frame.cell),
                              StandingPlayerStates.count(state.slot) > 0});
    }
  }
  return player;
}

const std::set<int> AirborneGoblinAnimations = {GoblinFalling, GoblinFallingWithShield};

// An enemy's sprite is centred on its body, so its feet stand half the body's height below the
// middle of the cell; some animations show a body of another height.
void AddEnemyCells(Character& character, const std::string& name,
                   std::span<const AnimationCell> cells, float bodyHeight,
                   const std::set<int>& airborne = {},
                   const std::map<int, float>& otherHeights = {}) {
  for (const AnimationCell& cell : cells) {
    const auto other = otherHeights.find(cell.animation);
    const float height = other == otherHeights.end() ? bodyHeight : other->second;
    const float cellHeight = static_cast<float>(cell.rect.bottom - cell.rect.top);
    character.cells.push_back({name + " " + cell.action, cell.texture, cell.rect,
                               (cellHeight + height * SpritePixelsPerUnit()) / 2.0f,
                               airborne.count(cell.animation) == 0});
  }
}

Character Squirrel() {
  Character squirrel{{"Textures/Characters/Ratatoskr/Ratatoskr.png"}, {}};
  AddEnemyCells(squirrel, "Ratatoskr", RatatoskrAnimationPool::Cells(), Ratatoskr::BodyHeight,
                AirborneRatatoskrAnimations);
  return squirrel;
}

const std::set<int> AirborneDemoEnemyAnimations = {
    DemoEnemyJumping,             DemoEnemyFalling,          DemoEnemyNeutralAirAttacking,
    DemoEnemyForwardAirAttacking, DemoEnemyDownAirAttacking, DemoEnemyUpAirAttacking};

// The air dash shows the dash's cell, which the dash draws on its feet.
Character Spearman() {
  Character spearman{{}, {}};
  for (int sheet = 0; sheet < DemoEnemyAnimationPool::SheetCount; ++sheet) {
    spearman.files.push_back("Textures/Characters/DemoEnemy/demoEnemyAttackAnimationAtlas" +
                             std::to_string(sheet) + ".png");
  }
  AddEnemyCells(spearman, "DemoEnemy", DemoEnemyAnimationPool::Cells(), DemoEnemy::BodySize.y,
                AirborneDemoEnemyAnimations);
  return spearman;
}

Character Nidhogglets() {
  Character both{{"Textures/Characters/Nidhogglets/nidhogglets.png"}, {}};
  AddEnemyCells(both, "passive Nidhogglet", NidhoggletPassiveAnimationPool::Cells(),
                NidhoggletPassive::BodyHeight);
  AddEnemyCells(both, "aggressive Nidhogglet", NidhoggletAggressiveAnimationPool::Cells(),
                NidhoggletAggressive::BodyHeight);
  return both;
}

// The DemoGoblin is cut from the goblin's plain sheet, in cells of its own for its taller body.
Character Goblins() {
  Character goblins{{"Textures/Characters/Goblin/goblin_frames.png",
                     "Textures/Characters/Goblin/goblin_shielded.png"},
                    {}};
  AddEnemyCells(goblins, "Goblin", GoblinAnimationPool::Cells(), Goblin::BodyHeight,
                AirborneGoblinAnimations);
  AddEnemyCells(goblins, "DemoGoblin", DemoGoblinAnimationPool::Cells(),
                DemoGoblin::StandingSize.y, {DemoGoblinFalling},
                {{DemoGoblinDead, DemoGoblin::DeadSize.y}});
  return goblins;
}

Character Wall() {
  Character wall{{"Textures/Characters/DemoWall/DemoWall.png"}, {}};
  AddEnemyCells(wall, "DemoWall", DemoWallAnimationPool::Cells(), DemoWall::BodyHeight);
  return wall;
}

std::string CharacterFile(const CastMember& member, const std::string& ending) {
  return "Textures/Characters/" + std::string(member.name) + "/" + member.name + ending;
}

// Every villager's cell, each on a sheet of its own, the feet on the row of its height.
Character Villagers() {
  Character villagers;
  for (size_t kind = 0; kind < Cast().size(); ++kind) {
    const CastMember& member = Cast()[kind];
    villagers.files.push_back(CharacterFile(member, ".png"));
    Character one;
    AddEnemyCells(one, member.name, NPCAnimationPool::Cells(), member.height);
    for (SheetCell& cell : one.cells) {
      cell.sheet = static_cast<int>(kind);
      villagers.cells.push_back(cell);
    }
  }
  return villagers;
}

std::optional<platform::Image> LoadSheet(const std::string& file) {
  return platform::LoadImageFile((std::filesystem::path(QM_CONTENT_DIR) / file).string(), 0, 0, 0);
}

uint32_t Alpha(uint32_t pixel) { return pixel >> 24; }

// The columns of the cell's solid texels in the rows from top to bottom (included): the first,
// and the one past the last.
std::pair<int, int> SolidColumns(const platform::Image& sheet, const PixelRect& c, int top,
                                 int bottom) {
  int left = c.right, right = c.left;
  for (int y = top; y <= bottom; ++y) {
    for (int x = c.left; x < c.right; ++x) {
      if (Alpha(sheet.Pixel(x, y)) < SolidAlpha) continue;
      left = std::min(left, x);
      right = std::max(right, x + 1);
    }
  }
  return {left, right};
}

class CharacterSheetTest : public ::testing::TestWithParam<Character (*)()> {};

}  // namespace

TEST_P(CharacterSheetTest, EveryCellHoldsAWholeFigureAndNothingLiesOutsideTheCells) {
  const Character character = GetParam()();
  for (size_t sheet = 0; sheet < character.files.size(); ++sheet) {
    const std::optional<platform::Image> image = LoadSheet(character.files[sheet]);
    ASSERT_TRUE(image) << character.files[sheet];
    ASSERT_EQ(image->width, SheetSide);
    ASSERT_EQ(image->height, SheetSide);
    std::vector<bool> inCell(static_cast<size_t>(SheetSide) * SheetSide, false);
    for (const SheetCell& c : character.cells) {
      if (c.sheet != static_cast<int>(sheet)) continue;
      int ink = 0, edge = 0;
      for (int y = c.cell.top; y < c.cell.bottom; ++y) {
        for (int x = c.cell.left; x < c.cell.right; ++x) {
          inCell[static_cast<size_t>(y) * SheetSide + x] = true;
          if (Alpha(image->Pixel(x, y)) == 0) continue;
          ++ink;
          // Two rings of texels stay clear: a figure that reaches them is cut off.
          const bool nearEdge = x < c.cell.left + 2 || y < c.cell.top + 2 ||
                                x >= c.cell.right - 2 || y >= c.cell.bottom - 2;
          edge += nearEdge;
        }
      }
      EXPECT_GT(ink, 200) << c.what;
      EXPECT_EQ(edge, 0) << c.what << " reaches the edge of its cell";
    }
    int stray = 0, white = 0;
    for (int y = 0; y < SheetSide; ++y) {
      for (int x = 0; x < SheetSide; ++x) {
        const uint32_t pixel = image->Pixel(x, y);
        white += pixel == 0xFFFFFFFF;
        stray += Alpha(pixel) != 0 && !inCell[static_cast<size_t>(y) * SheetSide + x];
      }
    }
    EXPECT_EQ(stray, 0) << character.files[sheet];
    EXPECT_EQ(white, 0) << character.files[sheet] << " holds pure opaque white";
  }
}

TEST_P(CharacterSheetTest, StandingFiguresHaveTheirFeetOnTheRowWhereTheGameStandsThem) {
  const Character character = GetParam()();
  std::vector<std::optional<platform::Image>> sheets;
  for (const std::string& file : character.files) sheets.push_back(LoadSheet(file));
  // A cell that several animations share is drawn for the first of them.
  std::set<std::tuple<int, int, int>> drawn;
  for (const SheetCell& c : character.cells) {
    if (!drawn.insert({c.sheet, c.cell.left, c.cell.top}).second || !c.standing) continue;
    const std::optional<platform::Image>& image = sheets[static_cast<size_t>(c.sheet)];
    ASSERT_TRUE(image);
    int lowest = c.cell.top;
    for (int y = c.cell.top; y < c.cell.bottom; ++y) {
      for (int x = c.cell.left; x < c.cell.right; ++x) {
        if (Alpha(image->Pixel(x, y)) >= SolidAlpha) lowest = y + 1;
      }
    }
    EXPECT_NEAR(static_cast<float>(lowest - c.cell.top), c.footRow, 1.0f)
        << c.what << " at " << c.cell.left << ", " << c.cell.top;
  }
}

INSTANTIATE_TEST_SUITE_P(Characters, CharacterSheetTest,
                         ::testing::Values(&Player, &Squirrel, &Nidhogglets, &Goblins, &Wall,
                                           &Spearman, &Villagers));

// The body may stand with most of its width beyond a ledge; the figure's feet must still be seen
// on it. Faced either way, each boot reaches out to a bottom corner of the body.
TEST(PlayerSheet, FeetReachTheBodysBottomCornersInEveryPoseHeldStandingStill) {
  const float perUnit = SpritePixelsPerUnit();
  for (const PlayerStatePlan& state : PlayerStatePlans()) {
    if (StillPlayerStates.count(state.slot) == 0) continue;
    const std::optional<platform::Image> sheet = LoadSheet(Player().files[state.sheet]);
    ASSERT_TRUE(sheet);
    for (const PlayerFramePlan& frame : state.frames) {
      const PixelRect& c = frame.cell;
      const float feet = static_cast<float>(c.top) + FootLineInCell(state, c);
      const int soles = static_cast<int>(feet - SoleHeight * perUnit);
      const auto [left, right] = SolidColumns(*sheet, c, soles, static_cast<int>(feet));
      // The texels from the cell's side to the body's.
      const float width = static_cast<float>(c.right - c.left);
      const float beside = (width - BodySize(state.body).x * perUnit) / 2.0f;
      EXPECT_NEAR((static_cast<float>(left - c.left) - beside) / perUnit, 0.0f, MostAirBesideFeet)
          << "player state " << state.slot << " behind";
      EXPECT_NEAR((static_cast<float>(c.right - right) - beside) / perUnit, 0.0f, MostAirBesideFeet)
          << "player state " << state.slot << " in front";
    }
  }
  // The roll opens out of the wide crouch, the rear foot still back where it stood; out of a
  // narrow crouch it would kneel on the rear knee, the foot well in front.
  const std::optional<platform::Image> sheet = LoadSheet(Player().files[MainSheet]);
  ASSERT_TRUE(sheet);
  const auto rearmost = [&sheet](const PixelRect& c) {
    return static_cast<float>(SolidColumns(*sheet, c, c.top, c.bottom - 1).first - c.left);
  };
  EXPECT_LT(rearmost(PlayerStatePlans()[SlotRolling].frames.front().cell) -
                rearmost(PlayerStatePlans()[SlotCrouching].frames.front().cell),
            MostRollOpeningInsideCrouch * perUnit);
}

// Each portrait shows its villager's head and shoulders in the part the people pages show,
// and no two villagers look alike there or on their sheets.
TEST(VillagerPictures, EveryPortraitFillsTheShownPartAndNoTwoVillagersLookAlike) {
  std::set<std::vector<uint32_t>> portraits, cells;
  for (const CastMember& member : Cast()) {
    const std::optional<platform::Image> portrait = LoadSheet(CharacterFile(member, "_portrait.png"));
    ASSERT_TRUE(portrait) << member.name;
    ASSERT_EQ(portrait->width, static_cast<int>(NPCPortraitSide));
    ASSERT_EQ(portrait->height, static_cast<int>(NPCPortraitSide));
    int opaque = 0;
    for (int y = PortraitCrop.top; y < PortraitCrop.bottom; ++y) {
      for (int x = PortraitCrop.left; x < PortraitCrop.right; ++x) {
        opaque += Alpha(portrait->Pixel(x, y)) == 0xFF;
      }
    }
    const int shown = (PortraitCrop.right - PortraitCrop.left) * (PortraitCrop.bottom - PortraitCrop.top);
    EXPECT_GT(opaque, shown / 2) << member.name;
    EXPECT_TRUE(portraits.insert(portrait->pixels).second) << member.name;
    const std::optional<platform::Image> sheet = LoadSheet(CharacterFile(member, ".png"));
    ASSERT_TRUE(sheet) << member.name;
    const PixelRect& cell = NPCAnimationPool::Cells().front().rect;
    std::vector<uint32_t> pixels;
    for (int y = cell.top; y < cell.bottom; ++y) {
      for (int x = cell.left; x < cell.right; ++x) pixels.push_back(sheet->Pixel(x, y));
    }
    EXPECT_TRUE(cells.insert(pixels).second) << member.name;
  }
}
