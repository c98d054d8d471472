#include "engine/TextLines.h"

bool TextLines::Next(std::string& line) {
  if (pending_) {
    line = std::move(*pending_);
    pending_.reset();
    return true;
  }
  if (!std::getline(in_, line)) return false;
  while (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}
