#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>

#include "menus/pause/MenuPause.h"

namespace {

// The three lists in one line: skills "S name=text", journal entries "J title[page,page]",
// terms "T name=text".
std::string Summary(const MenuPause& menu) {
  std::string text;
  for (const Object& skill : menu.GetSkills())
    text += "S " + skill.name + "=" + skill.description + ";";
  for (const MenuPause::JournalEntry& entry : menu.GetJournalEntries()) {
    text += "J " + entry.title + "[";
    for (size_t i = 0; i < entry.pages.size(); ++i) {
      text += (i ? "," : "") + entry.pages[i].name + entry.pages[i].description;
    }
    text += "];";
  }
  for (const Object& term : menu.GetTerms())
    text += "T " + term.name + "=" + term.description + ";";
  return text;
}

class MenuFile : public ::testing::Test {
 protected:
  std::string Read(const std::string& text) {
    std::istringstream in(text);
    menu.LoadMenuText(in);
    return Summary(menu);
  }

  MenuPause menu{nullptr, nullptr, nullptr};
};

}  // namespace

TEST_F(MenuFile, ReadsSkillsJournalEntriesAndTermsLineByLine) {
  struct Row {
    const char* what;
    const char* text;
    const char* expected;
  };
  const Row rows[] = {
      {"only a header", "Header\n", ""},
      {"nothing at all", "", ""},
      {"empty sections", "Header\n*J\n*T\n", ""},
      {"two skills", "H\nWalk\nWalk about.\nJump\nUp.\n*J\n", "S Walk=Walk about.;S Jump=Up.;"},
      {"a marker where a text stands", "H\nWalk\n*J\n*J\n", "S Walk=*J;"},
      {"an odd line shifts the pairing", "H\nA\nB\nC\n*J\nD\n", "S A=B;S C=*J;"},
      {"markers are case-sensitive", "H\n*j\nx\n*J\n", "S *j=x;"},
      {"no journal marker", "H\nA\na\nB\nb\n", "S A=a;S B=b;"},
      {"no terms marker", "H\n*J\n<E\n#\np\n>\nX\nx\n", "J E[p];"},
      {"an entry of two pages", "H\n*J\n<Title\n#\none\n#\ntwo\n>\n*T\n", "J Title[one,two];"},
      {"a closing line keeps the title", "H\n*J\n<A\n#\n1\n>\n#\n2\n>\n>\n*T\n",
       "J A[1];J A[2];J A[];"},
      {"a closing line before any title", "H\n*J\n>\n*T\n", "J [];"},
      {"page texts are taken whole", "H\n*J\n<E\n#\n>x\n#\n<y\n#\n#z\n#\n*T\n>\n*T\n",
       "J E[>x,<y,#z,*T];"},
      {"lines of no form are skipped", "H\n*J\nnote\n*X\n<E\nstray\n>\n*T\n", "J E[];"},
      {"an unclosed entry is dropped", "H\n*J\n<E\n#\np\n*T\nT\nt\n", "T T=t;"},
      {"a last closing line without a line feed", "H\n*J\n<E\n#\np\n>", "J E[p];"},
      {"a title line alone", "H\n*J\n<\n>\n*T\n", "J [];"},
      {"a last term without a line feed", "H\n*J\n*T\nA\na\nB\nb", "T A=a;T B=b;"},
      {"a last term without a text", "H\n*J\n*T\nA\na\nB\n", "T A=a;"},
      {"carriage returns", "H\r\nWalk\r\nOn foot.\r\n*J\r\n*T\r\n", "S Walk=On foot.;"},
      {"an empty line is a line", "H\nA\n\n\nb\n*J\n*T\nT\n\n\n", "S A=;S =b;T T=;"},
      {"an empty header", "\nA\na\n*J\n", "S A=a;"},
  };
  for (const Row& row : rows) EXPECT_EQ(Read(row.text), row.expected) << row.what;

  // Reading again replaces what was read.
  const std::string twice = "H\nA\na\n*J\n<E\n#\np\n>\n*T\nT\nt\n";
  EXPECT_EQ(Read(twice), Read(twice));
  EXPECT_EQ(menu.GetSkills().size(), 1u);

  // A file that is not there leaves every list empty.
  menu.LoadMenuFile("Content\\NoSuchMenu.rff");
  EXPECT_EQ(Summary(menu), "");
}

// The shipped file reads back whole: nothing is dropped and every name the new game gives the
// player has its text.
TEST_F(MenuFile, TheShippedFileHoldsTheGamesSkillsJournalAndTerms) {
  const std::filesystem::path file = std::filesystem::path(QM_CONTENT_DIR) / "Menu.rff";
  menu.LoadMenuFile(file.string());
  EXPECT_EQ(menu.GetSkills().size(), 17u);
  EXPECT_EQ(menu.GetJournalEntries().size(), 3u);
  EXPECT_EQ(menu.GetTerms().size(), 15u);
  auto named = [](const std::vector<Object>& records, const std::string& name) {
    return std::ranges::any_of(records, [&](const Object& record) {
      return record.name == name && !record.description.empty();
    });
  };
  for (const char* skill : {"Dodge", "Roll", "Dash", "Air Jump", "Air Dash", "Wall Slide", "Walk",
                            "Jump", "Guard", "Ground Attack", "Down Air Attack"}) {
    EXPECT_TRUE(named(menu.GetSkills(), skill)) << skill;
  }
  for (const char* term : {"Term List", "Beast", "Lionheart", "Midgard", "Miasma", "Mystic", "Rune",
                           "Yggdrasil", "Ratatoskr", "Goblin", "Village Square"}) {
    EXPECT_TRUE(named(menu.GetTerms(), term)) << term;
  }
  ASSERT_GE(menu.GetJournalEntries().size(), 2u);
  EXPECT_EQ(menu.GetJournalEntries()[0].title, "Journal Entry Intro");
  EXPECT_EQ(menu.GetJournalEntries()[0].pages.size(), 2u);
  EXPECT_EQ(menu.GetJournalEntries()[1].title, "Demo Journal Entry");
  EXPECT_EQ(menu.GetJournalEntries()[1].pages.size(), 6u);
  // No page says what the game makes untrue: a new player wakes with nothing, and the drakes are
  // red and blue and strike nobody.
  for (const char* untrue : {"sword at my side", "green drakes", "hurt whoever"}) {
    EXPECT_EQ(Summary(menu).find(untrue), std::string::npos) << untrue;
  }
}
