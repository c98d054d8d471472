// Draws the character sheets: every cell the game cuts for a character, the character posed
// for that frame. The second argument, when given, is a folder for the contact sheets that
// show each character's frames in order for review.

#include <cstdio>
#include <filesystem>

#include "DemoEnemySheet.h"
#include "DemoWallSheet.h"
#include "GoblinSheet.h"
#include "NidhoggletSheet.h"
#include "PlayerSheet.h"
#include "RatatoskrSheet.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gen_characters CONTENT_FOLDER [CONTACT_SHEET_FOLDER]\n");
    return 1;
  }
  const std::filesystem::path content = argv[1];
  const std::filesystem::path contact = argc > 2 ? argv[2] : "";
  bool saved = figures::DrawPlayerSheets(content, contact);
  saved = figures::DrawRatatoskrSheet(content, contact) && saved;
  saved = figures::DrawNidhoggletSheet(content, contact) && saved;
  saved = figures::DrawGoblinSheets(content, contact) && saved;
  saved = figures::DrawDemoWallSheet(content, contact) && saved;
  saved = figures::DrawDemoEnemySheets(content, contact) && saved;
  return saved ? 0 : 1;
}
