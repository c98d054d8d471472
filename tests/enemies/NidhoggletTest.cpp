#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "collision/Strike.h"
#include "enemies/NidhoggletAggressive.h"
#include "enemies/NidhoggletPassive.h"
#include "enemies/StandingStates.h"
#include "engine/BarMeter.h"
#include "engine/FloatingText.h"
#include "tests/enemies/RatatoskrWorld.h"

namespace {

class Nidhogglets : public RatatoskrWorld {
 protected:
  Nidhogglets() {
    swing.SetDimensions(2.0f, 2.0f, 0.0f);
    swing.owner = &player;
    swing.force = 3.0f;
    swing.freezeTime = 0.1f;
  }

  // A new swing of that damage just left of the enemy: it has hit nothing yet.
  void Swing(Enemy& enemy, float damage) {
    enemy.hitBox->Forget(&swing);
    swing.hitList.clear();
    swing.damage = damage;
    swing.SetPosition(enemy.body->position - platform::Vector3{0.5f, 0.0f, 0.0f});
    world.playerStrikes = {&swing};
  }
  float PaidToPlayer() const { return (*player.stats)[Stat::StatExperience]; }

  StrikeQuad swing;
};

TEST_F(Nidhogglets, ThePassiveOneStandsLoopsItsIdleAndIgnoresStrikes) {
  std::istringstream line("3 0 20 0.275 r\n");
  auto* nidhogglet = PutInPlay<NidhoggletPassive>(ReadLine(line, NidhoggletPassive::Kind));
  const float health = nidhogglet->healthMeter->value;
  EXPECT_EQ(health, 150.0f);
  Swing(*nidhogglet, 50.0f);
  std::set<std::wstring> shown;
  for (int frame = 0; frame < 120; ++frame) {
    Step();
    shown.insert(nidhogglet->state->animation->current->name);
    ASSERT_EQ(nidhogglet->state, nidhogglet->GetState(NidhoggletPassive::Idling));
  }
  EXPECT_EQ(shown, (std::set<std::wstring>{L"m_frameIdle1", L"m_frameIdle2"}));
  EXPECT_NEAR(nidhogglet->body->position.y, NidhoggletPassive::BodyHeight / 2, 0.01f);
  EXPECT_NE(nidhogglet->groundContact, nullptr);
  EXPECT_EQ(nidhogglet->healthMeter->value, health);
  EXPECT_EQ(nidhogglet->state->holdTimer, 0.0f);
  EXPECT_EQ(player.state->holdTimer, 0.0f);
  EXPECT_TRUE(nidhogglet->hitBox->hitList.empty());
  EXPECT_TRUE(world.floatingTexts->texts.empty());
  EXPECT_EQ(PaidToPlayer(), 0.0f);
}

TEST_F(Nidhogglets, TheAggressiveOneDiesWhenItsHealthIsGoneAndPaysOnce) {
  const int Idling = NidhoggletAggressive::Idling, Dead = NidhoggletAggressive::Dead;
  struct Case {
    const char* what;
    float health;
    bool grounded, withPlayer;
    int expected;
    float paid;
  };
  const Case cases[] = {
      {"a little health left", 0.01f, true, true, Idling, 0.0f},
      {"health 0", 0.0f, true, true, Dead, 4.0f},
      {"health below 0", -2.0f, true, true, Dead, 4.0f},
      {"in the air it does not fall into another state", 5.0f, false, true, Idling, 0.0f},
      {"killed in the air", 0.0f, false, true, Dead, 4.0f},
      {"no player to pay", 0.0f, true, false, Dead, 0.0f},
  };
  const std::vector<Player*> players = world.players;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto nidhogglet = Make<NidhoggletAggressive>(0.0f, Standing);
    auto& idling = static_cast<ContactIdlingState&>(*nidhogglet->state);
    StrikeShape* contact = idling.ContactStrike();
    // Had the contact struck the player, dying would let it strike again.
    player.hitBox->hitList = {contact};
    contact->hitList = {player.hitBox};
    if (!c.withPlayer) world.players.clear();
    nidhogglet->groundContact = c.grounded ? floor : nullptr;
    nidhogglet->healthMeter->value = c.health;
    const float paidBefore = PaidToPlayer();
    for (int update = 0; update < 3; ++update) nidhogglet->state->Update(0.0f);
    EXPECT_EQ(nidhogglet->state, nidhogglet->GetState(c.expected));
    EXPECT_EQ(PaidToPlayer() - paidBefore, c.paid);
    world.players = players;
    EXPECT_EQ(player.hitBox->hitList.empty(), c.expected == Dead && c.withPlayer);
    player.hitBox->hitList.clear();
    contact->hitList.clear();
  }
}

}  // namespace
