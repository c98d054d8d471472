#include "world/MapWriter.h"

#include <locale>
#include <sstream>
#include <unordered_map>

#include "collision/Boundary.h"
#include "enemies/Enemy.h"
#include "engine/FileIO.h"
#include "engine/Globals.h"
#include "engine/SoundBank.h"
#include "engine/Texture.h"
#include "engine/draw/Sprite.h"
#include "npcs/NPC.h"
#include "world/MapFields.h"
#include "world/MapFormat.h"
#include "world/ModifierShape.h"
#include "world/TriggerRecords.h"
#include "world/World.h"

namespace {

constexpr const char* HeaderPair = "0 0 ";

std::string ColorFields(const Color4& color) {
  return std::to_string(color.a) + ' ' + std::to_string(color.r) + ' ' + std::to_string(color.g) +
         ' ' + std::to_string(color.b) + ' ';
}

class MapWriter : public MapRecordWriter {
 public:
  explicit MapWriter(World& world) : world_(world) {}

  bool Write(std::string& text) {
    WriteHeader();
    WriteResources();
    const bool enemiesWritten = WriteEnemiesSection();
    if (enemiesWritten) {
      WriteNPCsSection();
      WriteBoundaries();
      WriteTexturedPrimitives();
      WriteModifiers();
    }
    text = std::move(out_);
    return enemiesWritten;
  }

 private:
  void SectionHeader(MapSection section) {
    out_ += MapSectionHeaders[section];
    out_ += " \n";
  }

  // Gives the element the next number, which it keeps as its id.
  int32_t Numbered(Primitive& element) {
    const int32_t id = static_cast<int32_t>(ids_.size()) + 1;
    ids_[&element] = id;
    element.id = id;
    return id;
  }

  // The camera mode, the death mode and the spawn point go back as the map gave them.
  void WriteHeader() {
    const CameraLimits& limits = world_.cameraLimits;
    out_ += HeaderPair;
    for (float value : {limits.top, limits.left, limits.bottom, limits.right}) {
      out_ += Number(value) + ' ';
    }
    out_ += ColorFields(ClearColor);
    out_ += Number(world_.gravity) + ' ' + Number(world_.headerFloat) + ' ';
    const bool playing = MainSoundBank && MainSoundBank->music;
    out_ += playing ? MainSoundBank->music->GetPath() : NoMusicToken;
    out_ += ' ';
    if (world_.cameraMode == CameraStationaryLetter) {
      const platform::Vector3& eye = world_.stationaryEye;
      out_ += std::string(1, CameraStationaryLetter) + ' ' + Number(eye.x) + ' ' + Number(eye.y) +
              ' ' + Number(eye.z);
    } else {
      out_ += CameraMovingLetter;
    }
    out_ += ' ';
    out_ += world_.deathMode == World::DeathModeRespawn ? DeathRespawnLetter : DeathScreenLetter;
    const platform::Vector3& spawn = world_.spawnPoint;
    out_ += ' ' + Number(spawn.x) + ' ' + Number(spawn.y) + ' ' + Number(spawn.z) + '\n';
  }

  void WriteResources() {
    SectionHeader(SectionResources);
    for (const std::unique_ptr<Texture>& texture : world_.resources) {
      out_ += Object::GetNarrowName(*texture) + ' ' + texture->path + ' ' +
              std::to_string(texture->width) + ' ' + std::to_string(texture->height) + '\n';
    }
  }

  // Each enemy writes its own line, its body numbered first.
  bool WriteEnemiesSection() {
    SectionHeader(SectionEnemies);
    for (const std::unique_ptr<Enemy>& enemy : world_.enemies) {
      if (enemy->body) Numbered(*enemy->body);
      std::ostringstream line;
      line.imbue(std::locale::classic());
      enemy->WriteRecord(line);
      if (!line) return false;
      out_ += line.str();
    }
    return true;
  }

  void WriteNPCsSection() {
    SectionHeader(SectionNpcs);
    for (const std::unique_ptr<NPC>& npc : world_.npcs) {
      if (!npc->body) continue;
      const platform::Vector3& at = npc->body->position;
      out_ += std::to_string(npc->m_kind) + ' ' + std::to_string(Numbered(*npc->body)) + ' ' +
              Number(at.x) + ' ' + Number(at.y) + ' ' +
              (npc->facing == -1 ? FacingLeftLetter : FacingRightLetter) + '\n';
    }
  }

  void WriteBoundaries() {
    SectionHeader(SectionBoundaries);
    for (const std::unique_ptr<BoundingShape>& boundary : world_.boundaries) {
      if (auto* quad = dynamic_cast<BoundingQuad*>(boundary.get())) {
        out_ += std::string(1, QuadLetter) + ' ';
        WriteBoundaryBlock(*quad);
        WriteShapeBlock(*quad);
        out_ += Number(quad->width) + ' ' + Number(quad->height);
        for (int edge : {BoundingQuad::EdgeTop, BoundingQuad::EdgeLeft, BoundingQuad::EdgeBottom,
                         BoundingQuad::EdgeRight}) {
          out_ += ' ' + Flag(quad->edgeFlags[edge]);
        }
        for (size_t entry : BoundaryNormalSides) {
          out_ += ' ' + Flag(!(quad->sideVectors[entry] == platform::Vector3{}));
        }
        out_ += '\n';
      } else if (auto* circle = dynamic_cast<BoundingCircle*>(boundary.get())) {
        out_ += std::string(1, CircleLetter) + ' ';
        WriteBoundaryBlock(*circle);
        WriteShapeBlock(*circle);
        out_ += Number(circle->radius) + '\n';
      }
    }
  }

  void WriteBoundaryBlock(const Boundary& boundary) {
    out_ += Number(boundary.mapValue1) + ' ' + Number(boundary.mapValue2) + ' ' +
            Flag(boundary.footPointPushOut) + ' ' + Flag(boundary.partialEdges) + ' ' +
            Flag(boundary.wallFlag) + ' ';
  }

  // A sprite's block always carries its rectangle, so that it reads back with or without a
  // texture.
  void WriteShapeBlock(Shape& shape) {
    const bool sprite = dynamic_cast<const Sprite*>(&shape) != nullptr;
    out_ += std::to_string(Numbered(shape)) + ' ';
    out_ += shape.texture ? Object::GetNarrowName(*shape.texture) : NoTextureToken;
    out_ += ' ';
    if (shape.texture || sprite) {
      const platform::PixelRect& rect = shape.sourceRect;
      out_ += std::to_string(rect.right) + ' ' + std::to_string(rect.bottom) + ' ' +
              std::to_string(rect.left) + ' ' + std::to_string(rect.top) + ' ';
    }
    out_ += ColorFields(shape.fillColor) + ColorFields(shape.outlineColor);
    out_ += std::to_string(shape.layer) + ' ' + Flag(shape.flipHorizontal) + ' ' +
            Flag(shape.flipVertical) + ' ' + Flag(shape.EditFlag()) + ' ';
    out_ += Number(shape.position.x) + ' ' + Number(shape.position.y) + ' ' +
            Number(shape.position.z) + ' ' + Number(shape.rotation) + ' ';
  }

  // The letter, the block and the size fields of a quad, circle or sprite; false, and
  // nothing written, for any other shape.
  bool WriteShapeRecord(Shape& shape) {
    if (auto* picture = dynamic_cast<Sprite*>(&shape)) {
      out_ += std::string(1, SpriteLetter) + ' ';
      WriteShapeBlock(shape);
      out_ += Number(picture->scale.x) + ' ' + Number(picture->scale.y);
    } else if (auto* quad = dynamic_cast<Quad*>(&shape)) {
      out_ += std::string(1, QuadLetter) + ' ';
      WriteShapeBlock(shape);
      out_ += Number(quad->width) + ' ' + Number(quad->height);
    } else if (auto* circle = dynamic_cast<Circle*>(&shape)) {
      out_ += std::string(1, CircleLetter) + ' ';
      WriteShapeBlock(shape);
      out_ += Number(circle->radius);
    } else {
      return false;
    }
    return true;
  }

  // The map's own scenery in layer order, quads and circles first, then the sprites; the
  // actors' pictures, which the layer maps only borrow, are not the map's.
  void WriteTexturedPrimitives() {
    SectionHeader(SectionTexturedPrimitives);
    for (auto& [layer, entry] : world_.shapeLayers.entries) {
      if (entry.owned && WriteShapeRecord(*entry.item)) out_ += '\n';
    }
    for (auto& [layer, entry] : world_.spriteLayers.entries) {
      if (entry.owned && WriteShapeRecord(*entry.item)) out_ += '\n';
    }
  }

  // Shops last: their stock runs on to the first line that is not stock.
  void WriteModifiers() {
    SectionHeader(SectionModifiers);
    for (const std::unique_ptr<ModifierShape>& modifier : world_.modifiers) {
      if (modifier->kind != ModifierShape::KindShop) modifier->WriteRecord(*this);
    }
    for (const std::unique_ptr<ModifierShape>& modifier : world_.modifiers) {
      if (modifier->kind == ModifierShape::KindShop) modifier->WriteRecord(*this);
    }
  }

  void Append(const std::string& text) override { out_ += text; }

  void AppendRegion(char letter, const ModifierShape& modifier) override {
    out_ += std::string(1, letter) + ' ';
    if (!modifier.region || !WriteShapeRecord(*modifier.region)) out_ += NoShapeLetter;
    out_ += ' ';
  }

  int32_t IdOf(const Primitive* element) const override {
    auto found = ids_.find(element);
    return found == ids_.end() ? 0 : found->second;
  }

  World& world_;
  std::string out_;
  std::unordered_map<const Primitive*, int32_t> ids_;
};

}  // namespace

bool BuildMapText(World& world, std::string& text) { return MapWriter(world).Write(text); }

int32_t MapRecordWriter::IdOfBody(const Actor* actor) const {
  return actor ? IdOf(actor->body) : 0;
}

std::string MapRecordWriter::AnchorFields(const Actor* npc, const Shape* anchor,
                                          const std::string& none) const {
  if (const int32_t id = IdOfBody(npc))
    return std::string(1, NpcAnchorLetter) + ' ' + std::to_string(id);
  if (const int32_t id = IdOf(anchor))
    return std::string(1, ShapeAnchorLetter) + ' ' + std::to_string(id);
  return none;
}

bool World::SaveMap(const std::string& name) {
  std::string text;
  if (!BuildMapText(*this, text)) return false;
  return WriteTextFile(MapsFolder + name + MapExtension, text);
}
