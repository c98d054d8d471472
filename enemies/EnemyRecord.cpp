#include "enemies/EnemyRecord.h"

#include <cmath>
#include <limits>
#include <locale>
#include <sstream>
#include <string>

#include "collision/Boundary.h"
#include "enemies/Enemy.h"
#include "engine/BarMeter.h"
#include "engine/NumberFormat.h"

namespace {

constexpr char FacingLeftLetter = 'l';

bool ReadFiniteFloat(std::istream& in, float& value) { return in >> value && std::isfinite(value); }

// Experience that puts an enemy at that level of its growth curve.
float ExperienceForLevel(const Enemy& enemy, float level) {
  if (level == 0.0f) return 0.0f;
  return enemy.totalStats[Stat::InitExperience] *
         std::pow(level, enemy.totalStats[Stat::RateExperience]);
}

}  // namespace

bool ReadEnemyLine(std::istream& in, int extraCount, EnemyLine& line) {
  std::string text;
  if (!std::getline(in, text)) return false;
  std::istringstream fields(text);
  fields.imbue(std::locale::classic());
  long long id = 0;
  if (!(fields >> id)) return false;
  const bool fits =
      id >= std::numeric_limits<int32_t>::min() && id <= std::numeric_limits<int32_t>::max();
  line.id = fits ? static_cast<int32_t>(id) : 0;
  if (!ReadFiniteFloat(fields, line.level) || !ReadFiniteFloat(fields, line.x) ||
      !ReadFiniteFloat(fields, line.y)) {
    return false;
  }
  if (line.level < 0.0f) line.level = 0.0f;
  line.extras.assign(static_cast<size_t>(extraCount), 0.0f);
  for (float& extra : line.extras) {
    if (!ReadFiniteFloat(fields, extra)) return false;
  }
  char letter = 0;
  line.facing = fields >> letter && letter == FacingLeftLetter ? -1 : 1;
  return true;
}

void ApplyEnemyLine(Enemy& enemy, const EnemyLine& line, LevelExperience experience) {
  if (enemy.body) enemy.body->id = line.id;
  const float amount = ExperienceForLevel(enemy, line.level);
  if (experience == LevelExperience::Added) {
    enemy.AddGainedStat49(amount);
  } else {
    enemy.SetGainedStat49(amount);
  }
  enemy.RefreshMeterLimits(0.0f);
  if (enemy.healthMeter) enemy.healthMeter->value = enemy.healthMeter->maximum;
  enemy.facing = line.facing;
}

void WriteEnemyLine(std::ostream& out, const Enemy& enemy, std::initializer_list<float> extras) {
  const platform::Vector3 at = enemy.body ? enemy.body->position : platform::Vector3{};
  std::string text = std::to_string(enemy.enemyKind) + ' ' +
                     std::to_string(enemy.body ? enemy.body->id : 0) + ' ' +
                     FormatFloat(enemy.levels[Level::Experience]) + ' ' + FormatFloat(at.x) + ' ' +
                     FormatFloat(at.y) + ' ';
  for (float extra : extras) text += FormatFloat(extra) + ' ';
  text += enemy.facing == -1 ? FacingLeftLetter : 'r';
  text += '\n';
  out << text;
}
