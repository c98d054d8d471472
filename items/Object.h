#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <string>

#include "items/StatBlock.h"

class Texture;

// The record at the root of every character and item: a name, a description, a statistics
// sheet and a price in tokens. Copies share the statistics sheet of what they were copied from.
class Object {
 public:
  // Result codes of Read.
  static constexpr int ReadComplete = 0;
  static constexpr int ReadFailed = 1;
  static constexpr int ReadEndOfStream = 2;

  Object();
  explicit Object(std::string name);

  std::string GetName() const { return name; }
  void SetName(std::string value) { name = std::move(value); }
  std::string GetDescription() const { return description; }
  void SetDescription(std::string value) { description = std::move(value); }

  // A texture's display name as shown (wide) and as files store it (each code unit's low byte).
  static std::wstring GetWideName(const Texture& texture);
  static std::string GetNarrowName(const Texture& texture);

  // Reads one record body: a name line, 267 numbers, the price and a description line. The
  // object changes only when the whole body was read; then the result is ReadComplete, even
  // when the description ended the stream. A body cut short by the end of the stream gives
  // ReadEndOfStream, any other failure ReadFailed; either way the stream is left failed.
  int Read(std::istream& in);

  // Set by the records that embed an object (1 for items).
  int32_t tag = 0;
  std::string name;
  std::string description;
  std::shared_ptr<StatBlock> stats;
  float price = 0.0f;
};

// Discards one character, the line end left by the previous field (a carriage return with its
// line feed counts as one).
void SkipLineEnd(std::istream& in);

// A line value of the record files: skips the previous line end, then takes the characters up
// to the next line feed, which stays in the stream; trailing carriage returns are dropped.
// False when the stream ended before the line had any character.
bool ReadLineValue(std::istream& in, std::string& text);
