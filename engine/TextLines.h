#pragma once

#include <istream>
#include <optional>
#include <string>

// The lines of a text file, one at a time, each without its line feed and without the carriage
// returns before it. A reader that looked at a line it does not own hands it back.
class TextLines {
 public:
  explicit TextLines(std::istream& in) : in_(in) {}

  // False once the stream has no line left; a last line without a line feed still counts.
  bool Next(std::string& line);
  // The next call of Next gives this line again.
  void PutBack(std::string line) { pending_ = std::move(line); }

 private:
  std::istream& in_;
  std::optional<std::string> pending_;
};
