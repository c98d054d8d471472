#include "items/Object.h"

#include "engine/StringConversion.h"
#include "engine/Texture.h"

namespace {

int FailureResult(const std::istream& in) {
  return in.eof() ? Object::ReadEndOfStream : Object::ReadFailed;
}

}  // namespace

Object::Object() : stats(std::make_shared<StatBlock>()) {}

Object::Object(std::string name) : Object() { this->name = std::move(name); }

std::wstring Object::GetWideName(const Texture& texture) { return texture.name; }

std::string Object::GetNarrowName(const Texture& texture) { return WStringToString(texture.name); }

int Object::Read(std::istream& in) {
  std::string readName;
  if (!ReadLineValue(in, readName)) return FailureResult(in);
  StatBlock values{};
  for (float& value : values) in >> value;
  float readPrice = 0.0f;
  in >> readPrice;
  if (!in) return FailureResult(in);
  std::string readDescription;
  if (!ReadLineValue(in, readDescription)) return FailureResult(in);

  name = std::move(readName);
  *stats = values;
  price = readPrice;
  description = std::move(readDescription);
  return ReadComplete;
}

void SkipLineEnd(std::istream& in) {
  if (in.get() == '\r' && in.peek() == '\n') in.get();
  // A line end with nothing after it leaves nothing to read.
  if (in.eof()) in.setstate(std::ios::failbit);
}

bool ReadLineValue(std::istream& in, std::string& text) {
  using Traits = std::istream::traits_type;
  text.clear();
  SkipLineEnd(in);
  if (!in) return false;
  bool ended = false;
  for (;;) {
    const Traits::int_type next = in.peek();
    if (Traits::eq_int_type(next, Traits::eof())) {
      ended = true;
      break;
    }
    if (Traits::to_char_type(next) == '\n') break;
    text.push_back(Traits::to_char_type(in.get()));
  }
  if (ended && text.empty()) {
    in.setstate(std::ios::failbit);
    return false;
  }
  while (!text.empty() && text.back() == '\r') text.pop_back();
  return true;
}
