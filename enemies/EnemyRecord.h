#pragma once

#include <cstdint>
#include <initializer_list>
#include <istream>
#include <memory>
#include <ostream>
#include <vector>

#include "enemies/EnemyAnimationPool.h"
#include "platform/MathTypes.h"

class Enemy;
class Playfield;

// The fields of an enemy's map line after its kind: "id level x y [extras] facing". Each class
// reads the line whole with ReadEnemyLine, makes the enemy only from a line that passed, and
// finishes it with ApplyEnemyLine; WriteEnemyLine is the one writer of every class.
struct EnemyLine {
  int32_t id = 0;
  float level = 0.0f;
  float x = 0.0f;
  float y = 0.0f;
  // The floats a class writes between y and the facing letter.
  std::vector<float> extras;
  // -1 for the letter 'l', +1 for anything else, a missing letter included.
  int32_t facing = 1;
};

// Reads the rest of the current line into `line`. False, and the enemy is not to be made, when
// the stream had no line left or a number is missing, unreadable or not finite; the line is
// consumed either way, so the next record still reads. A level below 0 reads as 0, and an id
// that does not fit 32 bits as 0: nothing depends on it.
bool ReadEnemyLine(std::istream& in, int extraCount, EnemyLine& line);

// How the level of a line becomes experience: added, which also raises the growth points the
// level is read from, or set, which leaves them (a goblin, whose level then reads back as 0).
enum class LevelExperience { Added, Set };

// What every class does with a line once the enemy is made: the body takes the id, the level
// becomes gained experience, the meters are refreshed and the health filled, and the enemy faces
// as the line says.
void ApplyEnemyLine(Enemy& enemy, const EnemyLine& line,
                    LevelExperience experience = LevelExperience::Added);

// An enemy of that class made from the rest of the current line, which is left in `line` for
// the class's own extras. Null, with nothing made, for a line that does not read whole.
template <typename EnemyClass>
std::unique_ptr<EnemyClass> ReadEnemy(std::istream& in, Playfield* owner,
                                      std::unique_ptr<EnemyAnimationPool> pool, int extraCount,
                                      EnemyLine& line,
                                      LevelExperience experience = LevelExperience::Added) {
  if (!ReadEnemyLine(in, extraCount, line)) return nullptr;
  auto made =
      std::make_unique<EnemyClass>(owner, platform::Vector3{line.x, line.y, 0.0f}, std::move(pool));
  ApplyEnemyLine(*made, line, experience);
  return made;
}

// The whole line in one write: the kind, the body's id (the map writer numbers the bodies 1, 2,
// 3 ... before it writes), the level, the body's x and y, the extras, the facing letter and a
// line feed. A write that fails leaves the stream failed for the caller to see.
void WriteEnemyLine(std::ostream& out, const Enemy& enemy,
                    std::initializer_list<float> extras = {});
