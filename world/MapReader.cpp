#include "world/MapReader.h"

#include <algorithm>
#include <array>
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
#include "npcs/NPC.h"
#include "npcs/NPCResources.h"
#include "world/MapFields.h"
#include "world/MapFormat.h"
#include "world/ModifierShape.h"
#include "world/TriggerRecords.h"
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

// Stores the value only when it was read, so a failed field leaves the target as it was.
template <typename T>
bool Take(std::istream& in, T& target) {
  T value{};
  if (!(in >> value)) return false;
  target = value;
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
  shape.SetEditFlag(block.editFlag);
  shape.SetPosition(block.position);
  shape.previousPosition = block.position;
  shape.SetRotation(block.rotation);
  shape.dirty = 1;
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
    if (enemy) world_.PlaceEnemy(std::move(enemy));
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
    world_.PlaceCharacter(std::move(npc));
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
    boundary->wallFlag = flags[2];
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

  // The registered kind of the letter reads the rest; an unknown letter skips its line.
  bool ReadModifier(char letter, std::istream& fields) {
    const TriggerKindEntry* kind = FindTriggerKindByLetter(letter);
    if (!kind) return true;
    std::unique_ptr<Shape> region;
    if (kind->shaped) {
      std::string shapeToken;
      if (!(fields >> shapeToken) || !ReadShapeRecord(Lower(shapeToken.front()), fields, region)) {
        return false;
      }
    }
    MapRecordReader record{world_, lines_};
    std::unique_ptr<ModifierShape> modifier = kind->read(record, fields, std::move(region));
    if (!modifier) return false;
    world_.AddModifier(std::move(modifier));
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

Shape* MapRecordReader::FindPrimitive(int32_t id) const {
  return id ? world.FindPrimitiveById(id) : nullptr;
}

NPC* MapRecordReader::FindNpc(int32_t id) const { return id ? world.FindNpcById(id) : nullptr; }

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
