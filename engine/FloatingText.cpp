#include "engine/FloatingText.h"

#include "engine/Font.h"

namespace {

constexpr int FadeStep = 5;
constexpr float RiseSpeed = 0.5f;

}  // namespace

void FloatingTextList::Add(std::string text, float x, float y, float z, Color4 color) {
  auto record = std::make_unique<FloatingText>();
  record->text = std::move(text);
  record->x = x;
  record->y = y;
  record->z = z;
  record->color = color;
  texts.push_back(std::move(record));
}

void FloatingTextList::Update(float dt) {
  for (size_t i = texts.size(); i-- > 0;) {
    FloatingText& record = *texts[i];
    if (record.color.a == 0) {
      texts[i] = std::move(texts.back());
      texts.pop_back();
      continue;
    }
    record.color.a = record.color.a > FadeStep ? static_cast<uint8_t>(record.color.a - FadeStep) : 0;
    record.y += dt * RiseSpeed;
  }
}

void FloatingTextList::Draw() {
  if (!font) return;
  for (const std::unique_ptr<FloatingText>& record : texts) {
    const Color4 remembered = font->GetColor();
    font->color = record->color;
    font->DrawStringProjected(record->text, {record->x, record->y, record->z}, FontAlignCenter,
                              FontAlignCenter);
    font->color = remembered;
  }
}

void FloatingTextList::Clear() {
  font = nullptr;
  texts.clear();
}
