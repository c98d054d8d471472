#pragma once

// A character's sprite sheets drawn from its animations: every cell an animation names gets
// the character in the pose of that frame's moment, standing where the game puts its feet.
// A cell that several animations share is drawn once, by the first that names it.

#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "actors/Animation.h"
#include "tools/Drawing.h"
#include "platform/Vertex.h"
#include "tools/GeneratedAtlas.h"

namespace figures {

// Draws the character at a moment of one animation (0 its start, 1 its end) with its feet
// on the anchor, in cell texels.
using Figure = std::function<void(Drawing& drawing, Point anchor, float place)>;

struct SheetFrame {
  platform::PixelRect cell;
  float duration = 0.0f;  // seconds; a frame that never ends may say so with a huge value
  float footRow = 0.0f;   // texels from the cell's top down to where the game puts the feet
};

struct SheetAnimation {
  std::string name;
  int sheet = 0;  // which of the character's sheet files the frames are cut from
  std::vector<SheetFrame> frames;
  Figure figure;
};

// The moment of each frame within its animation: the middle of the time it shows, or of its
// turn when the durations do not add up to a finite time.
std::vector<float> FramePlaces(const std::vector<SheetFrame>& frames);

// Draws each frame of an enemy's animation with its own figure, in the table's order.
Figure FrameByFrame(std::span<const AnimationCell> cells, int animation,
                    std::vector<Figure> figures);

// An enemy pool's cells as animations: one per animation number, in the order the table first
// names it, with its frames in table order. The game centres the sprite on the body, so the
// feet stand the given texels below the middle of the cell.
std::vector<SheetAnimation> EnemyAnimations(
    std::span<const AnimationCell> cells, const std::function<Figure(int animation)>& figureOf,
    const std::function<float(int animation)>& feetBelowMiddle);

// "Content\Textures\..." as a path under the content folder.
std::string UnderContent(std::string path);

// The sheet files of an enemy kind, as its row of the game's kind table lists them, under the
// content folder.
std::vector<std::string> EnemySheetFiles(int kind);

// The files of one character, all square, drawn from scratch at every run and written only
// when missing or changed.
class CharacterSheets {
 public:
  CharacterSheets(const std::filesystem::path& contentFolder, const std::vector<std::string>& files,
                  int size);

  void Draw(const std::vector<SheetAnimation>& animations);
  // False, with a message naming the tool, when a file cannot be written.
  bool Save(const char* tool) const;
  // For review: every animation a row of its frames in playing order, at twice the size,
  // over a pale checkerboard with the feet row marked. Written only when changed.
  bool SaveContactSheet(const std::filesystem::path& path,
                        const std::vector<SheetAnimation>& animations) const;

  const platform::Image& Sheet(int index) const { return sheets_[index]->image; }

 private:
  std::vector<std::unique_ptr<GeneratedAtlas>> sheets_;
};

// Draws a character's sheet files (square, of the given side, under the content folder) from
// its animations and, when a contact folder is given, its contact sheet there, named after
// the character. False, with a message, when a file cannot be written.
bool DrawCharacter(const std::string& name, const std::vector<std::string>& files, int side,
                   const std::vector<SheetAnimation>& animations,
                   const std::filesystem::path& contentFolder,
                   const std::filesystem::path& contactFolder);

}  // namespace figures
