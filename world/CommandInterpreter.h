#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a line of text did as a command.
enum CommandResult : int32_t {
  CommandDone = 0,
  // Empty, or not a command word where one is expected: the dialogue screen shows it as speech.
  NotACommand = 1,
  // A command whose words are wrong: too few or too many, or a value out of range.
  CommandMalformed = 2,
};

// The words of the line, cut at every single blank: two blanks in a row make an empty word, a
// trailing blank none.
std::vector<std::string> SplitWords(const std::string& line);

// Runs one console or conversation line on the game: loads a map, plays music, opens the shop,
// changes the first player's statistics, items or place, or switches the debug facilities.
// Every form checks its word count before it reads a word.
int32_t ExecuteCommand(std::string line);
