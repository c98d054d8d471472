#include "world/MapReader.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <limits>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include "collision/Boundary.h"
#include "enemies/Enemy.h"
#include "enemies/EnemyResources.h"
#include "engine/Camera.h"
#include "engine/DebugSwitches.h"
#include "engine/FileIO.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/SoundBank.h"
#include "engine/TextDrawing.h"
#include "engine/TextLines.h"
#include "engine/Texture.h"
#include "engine/draw/Sprite.h"
#include "items/ItemListCodes.h"
#include "items/ItemStore.h"
#include "npcs/NPC.h"
#include "npcs/NPCResources.h"
#include "triggers/CameraSetters.h"
#include "triggers/ConversationShape.h"
#include "triggers/Hazard.h"
#include "triggers/Portal.h"
#include "triggers/PushShape.h"
#include "triggers/SaveShape.h"
#include "triggers/ShopShape.h"
#include "triggers/TutorialImage.h"
#include "world/MapFormat.h"
#include "world/World.h"

using platform::Vector3;

namespace {

constexpr Vector3 MovingCameraEye{0.0f, 0.0f, -17.0f};
// Texture sizes beyond this are not sizes of a picture.
constexpr long long MaxTextureSide = std::numeric_limits<int32_t>::max();

constexpr const char* SectionProgressLines[MapSectionCount] = {
    "Building textures...",
    "Building enemies...",
    "Building NPCs...",
    "Building boundaries...",
    "Building textured primitives...",
    "Building modifiers...",
};

// The modifiers whose record begins with their region's shape token.
constexpr std::array<char, 6> ShapedModifierLetters = {
    HazardLetter,        PortalLetter,      PushLetter,
    TutorialImageLetter, CameraDepthLetter, CameraStationarySetterLetter};

bool IsShapedModifier(char letter) {
  return std::find(ShapedModifierLetters.begin(), ShapedModifierLetters.end(), letter) !=
         ShapedModifierLetters.end();
}

std::istringstream FieldsOf(const std::string& line) {
  std::istringstream fields(line);
  fields.imbue(std::locale::classic());
  return fields;
}

char Lower(char letter) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
}

// Stores the value only when it was read, so a failed field leaves the target as it was.
template <typename T>
bool Take(std::istream& in, T& target) {
  T value{};
  if (!(in >> value)) return false;
  target = value;
  return true;
}

bool ReadFlag(std::istream& in, uint8_t& flag) {
  int32_t value = 0;
  if (!(in >> value)) return false;
  flag = value != 0;
  return true;
}

// Four integers, each kept modulo 256: alpha, red, green, blue.
bool ReadColor(std::istream& in, Color4& color) {
  long long a = 0, r = 0, g = 0, b = 0;
  if (!(in >> a >> r >> g >> b)) return false;
  color = {static_cast<uint8_t>(a), static_cast<uint8_t>(r), static_cast<uint8_t>(g),
           static_cast<uint8_t>(b)};
  return true;
}

bool ReadVector(std::istream& in, Vector3& point) {
  Vector3 read;
  if (!(in >> read.x >> read.y >> read.z)) return false;
  point = read;
  return true;
}

// A whole token that is an integer.
bool ParseInteger(const std::string& token, long long& value) {
  std::istringstream fields = FieldsOf(token);
  return fields >> value && fields.peek() == std::istringstream::traits_type::eof();
}

// The section a header line names by the letter after its '*'; -1 for none.
int SectionNamed(const std::string& token) {
  for (int section = 0; section < MapSectionCount; ++section) {
    if (token.size() > 1 && token[1] == MapSectionHeaders[section][1]) return section;
  }
  return -1;
}

// The fields every boundary, textured primitive and modifier shape begins with.
struct ShapeBlock {
  int32_t id = 0;
  Texture* texture = nullptr;
  platform::PixelRect rect;
  Color4 fill;
  Color4 outline;
  int32_t layer = 0;
  uint8_t flipHorizontal = 0;
  uint8_t flipVertical = 0;
  uint8_t editFlag = 0;
  Vector3 position;
  float rotation = 0.0f;
};

// Puts the shape where the block says, at rest there.
void ApplyShapeBlock(Shape& shape, const ShapeBlock& block) {
  shape.id = block.id;
  if (block.texture) {
    shape.SetTexture(block.texture);
    shape.SetRect(block.rect.left, block.rect.top, block.rect.right, block.rect.bottom);
  }
  shape.SetFillColor(block.fill);
  shape.SetOutlineColor(block.outline);
  shape.layer = block.layer;
  shape.flipHorizontal = block.flipHorizontal;
  shape.flipVertical = block.flipVertical;
  // The editor marks the shapes it works on with the outline flag.
  shape.outlineVisible = block.editFlag;
  shape.SetPosition(block.position);
  shape.previousPosition = block.position;
  shape.SetRotation(block.rotation);
  shape.dirty = 1;
}

void InsertDrawable(World& world, Actor& actor) {
  if (!actor.sprite) return;
  if (auto* picture = dynamic_cast<Sprite*>(actor.sprite)) {
    world.spriteLayers.InsertBorrowed(actor.drawLayer, picture);
  } else {
    world.shapeLayers.InsertBorrowed(actor.drawLayer, actor.sprite);
  }
}

class MapReader {
 public:
  MapReader(World& world, std::istream& in) : world_(world), lines_(in) {}

  bool Read() {
    failed_ = !ReadRecords();
    // Every section is announced, also those a stopped load never reached.
    EnterSection(SectionModifiers);
    return !failed_;
  }

 private:
  // False when a record could not be read: the load stops there.
  bool ReadRecords() {
    std::string line;
    do {
      if (!lines_.Next(line)) return false;
    } while (line.find_first_not_of(" \t") == std::string::npos);
    std::istringstream header = FieldsOf(line);
    if (!ReadHeader(header)) return false;
    while (lines_.Next(line)) {
      std::istringstream fields = FieldsOf(line);
      std::string token;
      if (!(fields >> token)) continue;
      if (token.front() == '*') {
        // A section header that does not lead further through the file is skipped.
        const int section = SectionNamed(token);
        if (section > section_) EnterSection(section);
        continue;
      }
      if (section_ < 0) continue;
      if (!ReadRecord(token, fields)) return false;
    }
    return true;
  }

  // Announces every section up to the target. Leaving the resources the way a whole section
  // ends releases the textures of the previous map that this one does not name.
  void EnterSection(int target) {
    while (section_ < target) {
      if (section_ == SectionResources && !failed_) ReleaseUnnamedTextures();
      ++section_;
      if (section_ == SectionResources) {
        for (const std::unique_ptr<Texture>& texture : world_.resources) {
          previousTextures_.push_back(texture.get());
        }
      }
      PresentProgressLine(SectionProgressLines[section_]);
    }
  }

  bool ReadHeader(std::istream& fields) {
    CameraLimits& limits = world_.cameraLimits;
    return Take(fields, world_.headerPair[0]) && Take(fields, world_.headerPair[1]) &&
           Take(fields, limits.top) && Take(fields, limits.left) && Take(fields, limits.bottom) &&
           Take(fields, limits.right) && ReadColor(fields, ClearColor) &&
           Take(fields, world_.gravity) && Take(fields, world_.headerFloat) && ReadMusic(fields) &&
           ReadCamera(fields) && ReadDeathMode(fields) && ReadVector(fields, world_.spawnPoint);
  }

  static bool ReadMusic(std::istream& fields) {
    std::string music;
    if (!(fields >> music)) return false;
    if (!MainSoundBank) return true;
    if (music == NoMusicToken) {
      MainSoundBank->music.reset();
    } else {
      MainSoundBank->PlayMusic(music);
    }
    return true;
  }

  // Any other letter leaves the camera as it was and reads no numbers.
  bool ReadCamera(std::istream& fields) {
    char letter = 0;
    if (!(fields >> letter)) return false;
    if (letter == CameraStationaryLetter) {
      Vector3 eye;
      if (!ReadVector(fields, eye)) return false;
      // At or in front of the near plane nothing shows (and 0 divides by zero), beyond the far
      // plane neither: the eye stays where the editor lets the camera zoom.
      eye.z = std::clamp(eye.z, FarthestEyeZ, NearestEyeZ);
      world_.cameraMode = CameraStationaryLetter;
      world_.stationaryEye = eye;
      PlaceCamera(eye, 1);
    } else if (letter == CameraMovingLetter) {
      world_.cameraMode = CameraMovingLetter;
      PlaceCamera(MovingCameraEye, 0);
    }
    if (MainCamera) MainCamera->ResetLookAt();
    return true;
  }

  static void PlaceCamera(const Vector3& eye, uint8_t stationary) {
    if (!MainCamera) return;
    MainCamera->stationary = stationary;
    MainCamera->lastEye = MainCamera->eye;
    MainCamera->eye = eye;
    MainCamera->RebuildMatrices();
    MainCamera->targetEye = eye;
  }

  // Any other letter leaves the death mode as it was.
  bool ReadDeathMode(std::istream& fields) {
    char letter = 0;
    if (!(fields >> letter)) return false;
    if (Lower(letter) == DeathScreenLetter) world_.deathMode = World::DeathModeScreen;
    if (Lower(letter) == DeathRespawnLetter) world_.deathMode = World::DeathModeRespawn;
    return true;
  }

  bool ReadRecord(const std::string& token, std::istream& fields) {
    switch (section_) {
      case SectionResources:
        return ReadResource(token, fields);
      case SectionEnemies:
        return ReadEnemy(token, fields);
      case SectionNpcs:
        return ReadNpc(token, fields);
      case SectionBoundaries:
        return ReadBoundary(Lower(token.front()), fields);
      case SectionTexturedPrimitives:
        return ReadTexturedPrimitive(Lower(token.front()), fields);
      default:
        return ReadModifier(Lower(token.front()), fields);
    }
  }

  // A texture already loaded from the same file is taken over under the new name and size.
  // Either way it goes to the end of the list, so that the list keeps the order of the file
  // whatever the previous map held.
  bool ReadResource(const std::string& name, std::istream& fields) {
    std::string path;
    long long width = 0;
    long long height = 0;
    if (!(fields >> path >> width >> height)) return false;
    // A name the texture could not keep whole could not be written back.
    if (name.find('\0') != std::string::npos) return false;
    if (width < 0 || height < 0 || width > MaxTextureSide || height > MaxTextureSide) return false;
    auto sameFile = std::find_if(
        world_.resources.begin(), world_.resources.end(),
        [&path](const std::unique_ptr<Texture>& texture) { return texture->path == path; });
    if (sameFile == world_.resources.end()) {
      world_.resources.push_back(LoadTextureNamed(path, name, static_cast<uint32_t>(width),
                                                  static_cast<uint32_t>(height)));
      return true;
    }
    std::rotate(sameFile, sameFile + 1, world_.resources.end());
    Texture& texture = *world_.resources.back();
    texture.SetWideName(name);
    texture.width = static_cast<uint32_t>(width);
    texture.height = static_cast<uint32_t>(height);
    std::erase(previousTextures_, &texture);
    return true;
  }

  void ReleaseUnnamedTextures() {
    std::erase_if(world_.resources, [this](const std::unique_ptr<Texture>& texture) {
      return std::find(previousTextures_.begin(), previousTextures_.end(), texture.get()) !=
             previousTextures_.end();
    });
    previousTextures_.clear();
  }

  // The catalogue's prototype of the kind reads the rest of the line; a kind the catalogue
  // does not hold, or a line it makes nothing of, is skipped.
  bool ReadEnemy(const std::string& kindToken, std::istream& fields) {
    long long kind = 0;
    if (!ParseInteger(kindToken, kind)) return false;
    EnemyResources* catalogue = world_.enemyResources.get();
    Enemy* prototype =
        catalogue && IsEnemyKind(kind) ? catalogue->GetPrototype(static_cast<int>(kind)) : nullptr;
    if (!prototype) return true;
    // The prototype gets the line alone, so that however it reads, the next record is whole.
    if (fields.peek() == ' ') fields.get();
    std::string rest;
    std::getline(fields, rest);
    std::istringstream record = FieldsOf(rest + '\n');
    std::unique_ptr<Enemy> enemy = prototype->ReadRecord(
        record, &world_, Enemy::CreateAnimationPool(*catalogue, static_cast<int>(kind)));
    if (!enemy) return true;
    world_.AddActor(enemy.get());
    InsertDrawable(world_, *enemy);
    world_.enemies.push_back(std::move(enemy));
    return true;
  }

  // The pool's character of that index, with the line's id on its body; an index outside
  // the pool makes nothing.
  bool ReadNpc(const std::string& indexToken, std::istream& fields) {
    long long index = 0;
    int32_t id = 0;
    float x = 0.0f;
    float y = 0.0f;
    char facing = 0;
    if (!ParseInteger(indexToken, index) || !(fields >> id >> x >> y >> facing)) return false;
    const NPCResources* pool = world_.npcResources.get();
    std::unique_ptr<NPC> npc = pool ? pool->Place(index, {x, y, 0.0f}) : nullptr;
    if (!npc) return true;
    npc->body->id = id;
    npc->facing = facing == FacingLeftLetter ? -1 : 1;
    world_.AddActor(npc.get());
    InsertDrawable(world_, *npc);
    world_.npcs.push_back(std::move(npc));
    return true;
  }

  bool ReadBoundary(char letter, std::istream& fields) {
    float mapValue1 = 0.0f;
    float mapValue2 = 0.0f;
    std::array<uint8_t, 3> flags{};
    if (letter != QuadLetter && letter != CircleLetter) return true;
    if (!(fields >> mapValue1 >> mapValue2) || !ReadFlags(fields, flags)) return false;
    ShapeBlock block;
    if (!ReadShapeBlock(fields, false, block)) return false;
    std::unique_ptr<BoundingShape> boundary;
    if (letter == QuadLetter) {
      boundary = ReadBoundaryQuad(fields, block);
    } else {
      float radius = 0.0f;
      if (!(fields >> radius)) return false;
      auto circle = std::make_unique<BoundingCircle>();
      ApplyShapeBlock(*circle, block);
      circle->SetName("Boundary Circle " + std::to_string(++world_.nameCounts.boundaryCircles));
      circle->SetRadius(radius);
      boundary = std::move(circle);
    }
    if (!boundary) return false;
    boundary->mapValue1 = mapValue1;
    boundary->mapValue2 = mapValue2;
    boundary->footPointPushOut = flags[0];
    // A cleared edge has raised it already.
    boundary->partialEdges = std::max(boundary->partialEdges, flags[1]);
    boundary->quadMark = flags[2];
    world_.AddBoundary(std::move(boundary));
    return true;
  }

  // The size, then the solid edges (top, left, bottom, right) and the sides the quad pushes out
  // of (up, left, down, right).
  std::unique_ptr<BoundingShape> ReadBoundaryQuad(std::istream& fields, const ShapeBlock& block) {
    float width = 0.0f;
    float height = 0.0f;
    std::array<uint8_t, 8> flags{};
    if (!(fields >> width >> height) || !ReadFlags(fields, flags)) return nullptr;
    auto quad = std::make_unique<BoundingQuad>();
    ApplyShapeBlock(*quad, block);
    quad->SetName("Boundary Quad " + std::to_string(++world_.nameCounts.boundaryQuads));
    quad->SetDimensions(width, height, 0.0f);
    quad->SetEdgeFlag2(flags[0]);
    quad->SetEdgeFlag0(flags[1]);
    quad->SetEdgeFlag3(flags[2]);
    quad->SetEdgeFlag1(flags[3]);
    for (size_t side = 0; side < BoundaryNormalSides.size(); ++side) {
      const size_t entry = BoundaryNormalSides[side];
      quad->sideVectors[entry] = flags[4 + side] ? SideDirections[entry] : Vector3{};
    }
    return quad;
  }

  template <size_t N>
  static bool ReadFlags(std::istream& fields, std::array<uint8_t, N>& flags) {
    for (uint8_t& flag : flags) {
      if (!ReadFlag(fields, flag)) return false;
    }
    return true;
  }

  bool ReadTexturedPrimitive(char letter, std::istream& fields) {
    std::unique_ptr<Shape> shape;
    if (!ReadShapeRecord(letter, fields, shape)) return false;
    if (!shape) return true;
    const int32_t layer = shape->layer;
    if (auto* picture = dynamic_cast<Sprite*>(shape.get())) {
      picture->SetName("Texture Sprite " + std::to_string(++world_.nameCounts.texturedSprites));
      world_.spriteLayers.Insert(layer, std::unique_ptr<Sprite>(picture));
      shape.release();
      return true;
    }
    if (letter == QuadLetter) {
      shape->SetName("Texture Quad " + std::to_string(++world_.nameCounts.texturedQuads));
    } else {
      shape->SetName("Texture Circle " + std::to_string(++world_.nameCounts.texturedCircles));
    }
    world_.shapeLayers.Insert(layer, std::move(shape));
    return true;
  }

  // A quad, circle or sprite with its size fields; shape stays null for any other letter.
  bool ReadShapeRecord(char letter, std::istream& fields, std::unique_ptr<Shape>& shape) {
    if (letter != QuadLetter && letter != CircleLetter && letter != SpriteLetter) return true;
    ShapeBlock block;
    if (!ReadShapeBlock(fields, letter == SpriteLetter, block)) return false;
    float first = 0.0f;
    float second = 0.0f;
    if (!(fields >> first)) return false;
    if (letter == CircleLetter) {
      auto circle = std::make_unique<Circle>();
      ApplyShapeBlock(*circle, block);
      circle->SetRadius(first);
      shape = std::move(circle);
      return true;
    }
    if (!(fields >> second)) return false;
    if (letter == QuadLetter) {
      auto quad = std::make_unique<Quad>();
      ApplyShapeBlock(*quad, block);
      quad->SetDimensions(first, second, 0.0f);
      shape = std::move(quad);
    } else {
      auto picture = std::make_unique<Sprite>(block.texture);
      ApplyShapeBlock(*picture, block);
      picture->SetScale(first, second);
      shape = std::move(picture);
    }
    return true;
  }

  // A sprite's block always carries the rectangle; another shape's only with a texture.
  bool ReadShapeBlock(std::istream& fields, bool sprite, ShapeBlock& block) {
    std::string texture;
    if (!(fields >> block.id >> texture)) return false;
    if (sprite || texture != NoTextureToken) {
      platform::PixelRect& rect = block.rect;
      if (!(fields >> rect.right >> rect.bottom >> rect.left >> rect.top)) return false;
    }
    if (texture != NoTextureToken) block.texture = world_.FindResourceByName(texture);
    return ReadColor(fields, block.fill) && ReadColor(fields, block.outline) &&
           fields >> block.layer && ReadFlag(fields, block.flipHorizontal) &&
           ReadFlag(fields, block.flipVertical) && ReadFlag(fields, block.editFlag) &&
           ReadVector(fields, block.position) && fields >> block.rotation;
  }

  bool ReadModifier(char letter, std::istream& fields) {
    switch (letter) {
      case ConversationLetter:
        return ReadConversation(fields, false);
      case ShopLetter:
        return ReadConversation(fields, true);
      case SavePointLetter:
        return ReadSavePoint(fields);
      default:
        if (!IsShapedModifier(letter)) return true;
    }
    std::string shapeToken;
    std::unique_ptr<Shape> region;
    if (!(fields >> shapeToken) || !ReadShapeRecord(Lower(shapeToken.front()), fields, region)) {
      return false;
    }
    std::unique_ptr<ModifierShape> modifier = MakeModifier(letter, fields, std::move(region));
    if (!modifier) return false;
    world_.AddModifier(std::move(modifier));
    return true;
  }

  // The kind's own fields after the region; null when they cannot be read.
  std::unique_ptr<ModifierShape> MakeModifier(char letter, std::istream& fields,
                                              std::unique_ptr<Shape> region) {
    World* world = &world_;
    switch (letter) {
      case HazardLetter: {
        float damage = 0.0f;
        if (!(fields >> damage)) return nullptr;
        return std::make_unique<Hazard>(world, std::move(region), damage);
      }
      case PortalLetter: {
        std::string target;
        float x = 0.0f;
        float y = 0.0f;
        if (!(fields >> target >> x >> y)) return nullptr;
        if (target == NoTargetToken) target.clear();
        return std::make_unique<Portal>(world, std::move(region), target, Vector3{x, y, 0.0f});
      }
      case PushLetter: {
        float x = 0.0f;
        float y = 0.0f;
        if (!(fields >> x >> y)) return nullptr;
        return std::make_unique<PushShape>(world, std::move(region), Vector3{x, y, 0.0f});
      }
      case TutorialImageLetter: {
        int32_t picture = 0;
        if (!(fields >> picture)) return nullptr;
        return std::make_unique<TutorialImage>(world, std::move(region), FindPrimitive(picture));
      }
      case CameraDepthLetter: {
        float depth = 0.0f;
        if (!(fields >> depth)) return nullptr;
        return std::make_unique<CameraDepthSetter>(world, std::move(region), depth);
      }
      default: {
        uint8_t stationary = 0;
        Vector3 eye;
        if (!ReadFlag(fields, stationary) || !ReadVector(fields, eye)) return nullptr;
        return std::make_unique<CameraStationarySetter>(world, std::move(region), stationary, eye);
      }
    }
  }

  // Id 0 names nothing.
  Shape* FindPrimitive(int32_t id) const { return id ? world_.FindPrimitiveById(id) : nullptr; }
  NPC* FindNpc(int32_t id) const { return id ? world_.FindNpcById(id) : nullptr; }

  // The head (radius, stationary letter, anchor), then the ordered and the repeat
  // conversations, each a block of lines of their own; a shop's stock follows.
  bool ReadConversation(std::istream& head, bool shop) {
    float radius = 0.0f;
    std::string stationary;
    std::string anchorLetter;
    int32_t anchorId = 0;
    if (!(head >> radius >> stationary >> anchorLetter >> anchorId)) return false;
    NPC* npc = nullptr;
    Shape* anchor = nullptr;
    if (anchorLetter.front() == NpcAnchorLetter) {
      npc = FindNpc(anchorId);
      if (npc) anchor = npc->body;
    } else if (anchorLetter.front() == ShapeAnchorLetter) {
      anchor = FindPrimitive(anchorId);
    }
    std::unique_ptr<ConversationShape> conversation;
    ShopShape* shopShape = nullptr;
    if (shop) {
      auto made = std::make_unique<ShopShape>(anchor, &world_);
      shopShape = made.get();
      conversation = std::move(made);
    } else {
      conversation = std::make_unique<ConversationShape>(anchor, &world_);
    }
    conversation->npc = npc;
    if (!ReadConversationList(*conversation, &ConversationShape::AddOrderedConversation,
                              &ConversationShape::AddOrderedLine,
                              conversation->orderedConversations) ||
        !ReadConversationList(*conversation, &ConversationShape::AddRepeatConversation,
                              &ConversationShape::AddRepeatLine,
                              conversation->repeatConversations)) {
      return false;
    }
    conversation->regionCircle->SetRadius(radius);
    conversation->Update(0.0f);
    if (Lower(stationary.front()) == HoldStillLetter) conversation->stationary = 1;
    if (Lower(stationary.front()) == MayMoveLetter) conversation->stationary = 0;
    if (shopShape) ReadStock(*shopShape->stock);
    world_.AddModifier(std::move(conversation));
    return true;
  }

  bool ReadConversationList(ConversationShape& shape, void (ConversationShape::*addConversation)(),
                            void (ConversationShape::*addLine)(int32_t, std::string),
                            std::vector<Conversation>& list) {
    long long count = 0;
    if (!ReadCountLine(count)) return false;
    for (long long conversation = 0; conversation < count; ++conversation) {
      (shape.*addConversation)();
      long long lines = 0;
      if (!ReadCountLine(lines)) return false;
      for (long long index = 0; index < lines; ++index) {
        std::string line;
        if (!lines_.Next(line)) return false;
        std::istringstream fields = FieldsOf(line);
        int32_t speaker = 0;
        if (!(fields >> speaker)) return false;
        // The text is everything after the one blank that follows the speaker.
        fields.get();
        std::string text;
        std::getline(fields, text);
        (shape.*addLine)(speaker, std::move(text));
        list.back().back().speaker = FindNpc(speaker);
      }
    }
    return true;
  }

  bool ReadCountLine(long long& count) {
    std::string line;
    if (!lines_.Next(line)) return false;
    std::istringstream fields = FieldsOf(line);
    return static_cast<bool>(fields >> count);
  }

  // One "code index price" line per item on sale; the first line that is not one is handed
  // back to the modifier loop.
  void ReadStock(ItemStore& stock) {
    std::string line;
    while (lines_.Next(line)) {
      std::istringstream fields = FieldsOf(line);
      std::string code;
      long long index = 0;
      float price = 0.0f;
      std::string more;
      const bool entry = fields >> code >> index >> price && !(fields >> more) &&
                         code.size() == 1 &&
                         std::find(ItemListCodes.begin(), ItemListCodes.end(), code.front()) !=
                             ItemListCodes.end();
      if (!entry || IsShapelessModifier(stock, code.front(), index)) {
        lines_.PutBack(std::move(line));
        return;
      }
      if (Item* item = ItemAt(stock, code.front(), index)) {
        item->onSale = 1;
        item->price = price;
      }
    }
  }

  // "h 0 25" is a hazard without a shape, not the headgear placeholder on sale: where index 0
  // is a list's placeholder, which is never stock, the letter of a modifier that begins with its
  // shape, then the no-shape token, is that modifier. The first expendable has no placeholder
  // before it, so "i 0 25" stays its stock line.
  static bool IsShapelessModifier(const ItemStore& stock, char code, long long index) {
    const Item* first = index == 0 ? ItemAt(stock, code, 0) : nullptr;
    return first && first->name == EmptyItemName && IsShapedModifier(code);
  }

  // The anchor: "n" and an NPC, "p" and a shape, or "0" and the region's place.
  bool ReadSavePoint(std::istream& fields) {
    float radius = 0.0f;
    std::string anchorLetter;
    if (!(fields >> radius >> anchorLetter)) return false;
    auto savePoint = std::make_unique<SaveShape>(&world_);
    int32_t anchorId = 0;
    if (anchorLetter.front() == NpcAnchorLetter || anchorLetter.front() == ShapeAnchorLetter) {
      if (!(fields >> anchorId)) return false;
    }
    if (anchorLetter.front() == NpcAnchorLetter) {
      NPC* npc = FindNpc(anchorId);
      savePoint->npc = npc;
      if (npc) savePoint->anchor = npc->body;
    } else if (anchorLetter.front() == ShapeAnchorLetter) {
      savePoint->anchor = FindPrimitive(anchorId);
    } else {
      float x = 0.0f;
      float y = 0.0f;
      if (!(fields >> x >> y)) return false;
      savePoint->region->SetPosition({x, y, 0.0f});
    }
    float x = 0.0f;
    float y = 0.0f;
    if (!(fields >> x >> y)) return false;
    savePoint->position = {x, y, 0.0f};
    savePoint->regionCircle->SetRadius(radius);
    savePoint->Update(0.0f);
    world_.AddModifier(std::move(savePoint));
    return true;
  }

  World& world_;
  TextLines lines_;
  int section_ = -1;
  bool failed_ = false;
  // The textures of the previous map that this one has not named yet.
  std::vector<Texture*> previousTextures_;
};

}  // namespace

bool ReadMap(World& world, std::istream& in) { return MapReader(world, in).Read(); }

void World::LoadMap(const std::string& path) {
  std::ifstream in(NativePath(path), std::ios::binary);
  if (!in) in.open(NativePath(DefaultMapPath), std::ios::binary);
  in.imbue(std::locale::classic());
  mapName = path;
  ReadMap(*this, in);
  // The debug menu shows the layers it knows; the new map's layers become known, and shown.
  DebugSwitches* switches = DebugSwitchesOf(set);
  if (switches && set->world) set->world->CollectLayers(*switches);
}
