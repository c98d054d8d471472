#include "editor/ColorDialog.h"

#include <algorithm>
#include <cmath>

#include "editor/DebugButton.h"
#include "editor/EditorLayout.h"
#include "engine/BevelPainters.h"
#include "engine/CreateTextBox.h"
#include "engine/EditorAtlas.h"
#include "engine/Globals.h"
#include "engine/Slider.h"
#include "engine/StringConversion.h"
#include "engine/TextBox.h"
#include "engine/TextDrawing.h"
#include "engine/draw/Quad.h"

using platform::Vector3;
namespace Layout = EditorLayout;

namespace {

constexpr float ByteMaximum = 255.0f;
constexpr Color4 OpaqueBarColor{255, Layout::BarColor.r, Layout::BarColor.g, Layout::BarColor.b};
constexpr int32_t ChannelMaxLength = 3;
// Horizontal sliders: the track turned a quarter, its minimum at the left.
constexpr float SliderTurn = -90.0f;
constexpr std::array<const wchar_t*, ColorDialog::ChannelCount> ChannelLetters = {L"A", L"R", L"G",
                                                                                  L"B"};

std::unique_ptr<Quad> DialogQuad(float width, float height, const Color4& fill) {
  auto quad = std::make_unique<Quad>();
  quad->SetDimensions(width, height, 0.0f);
  quad->SetFillColor(fill);
  return quad;
}

uint8_t RoundToByte(float value) {
  return static_cast<uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

std::string ByteText(uint8_t byte) { return WStringToString(IntToWString(byte)); }

}  // namespace

uint8_t& ChannelOf(Color4& color, size_t channel) {
  switch (channel) {
    case 0:
      return color.a;
    case 1:
      return color.r;
    case 2:
      return color.g;
    default:
      return color.b;
  }
}

ColorDialog::ColorDialog(GameState* owner, Texture* atlas) {
  m_colorPanel = Layout::MakeBar({0.0f, 0.0f, Layout::ColorPanelWidth, Layout::ColorPanelHeight});
  // Opaque, so that the shape being coloured does not show through the sliders.
  m_colorPanel->SetFillColor(OpaqueBarColor);
  for (size_t i = 0; i < ChannelCount; ++i) {
    m_colorSliders[i] = std::make_unique<Slider>(0.0f, ByteMaximum, 0.0f, 0.0f, 0.0f, 0.0f,
                                                 Layout::SliderThickness, Layout::SliderLength,
                                                 SliderTurn);
    CreateTextBox(owner, TextBoxInteger, m_colorFields[i], Layout::PropertyFieldWidth,
                  Layout::FieldHeight, 0.0f, 0.0f, 0.0f, 0.0f, ChannelMaxLength, "", "0");
  }
  m_colorSwatchFrame = DialogQuad(Layout::ColorFrameSize, Layout::ColorFrameSize, ColorWhite);
  m_colorSwatchFrame->SetTexture(atlas);
  const platform::PixelRect& checkers = EditorAtlas::SwatchFrame;
  m_colorSwatchFrame->SetRect(checkers.left, checkers.top, checkers.right, checkers.bottom);
  PaintSunkenBevel(*m_colorSwatchFrame);
  const float swatch = Layout::ColorFrameSize - 2 * Layout::ColorSwatchInset;
  m_colorOldSwatch = DialogQuad(swatch, swatch / 2, ColorWhite);
  m_colorNewSwatch = DialogQuad(swatch, swatch / 2, ColorWhite);
  for (auto* button : {&m_colorOkButton, &m_colorCancelButton}) {
    *button = DialogQuad(Layout::ButtonWidth, Layout::ButtonHeight, DebugButtonColors::Fill);
    PaintRaisedBevel(**button);
  }
}

ColorDialog::~ColorDialog() = default;

void ColorDialog::Open(const Vector3& anchor, const Color4& color) {
  Quad& panel = *m_colorPanel;
  panel.SetAltPosition(anchor);
  const float right = anchor.x + panel.width / 2;
  const float top = anchor.y - panel.height / 2;
  const float bottom = anchor.y + panel.height / 2;
  const float inset = Layout::DialogInset;

  Quad& ok = *m_colorOkButton;
  const float buttonY = bottom - ok.height / 2 - inset;
  ok.SetAltPositionXYZ(right - ok.width / 2 - inset, buttonY, anchor.z);
  m_colorCancelButton->SetAltPositionXYZ(ok.altPosition.x - ok.width - inset, buttonY, anchor.z);

  const float fieldX = right - Layout::PropertyFieldWidth / 2 - inset;
  const float sliderX = fieldX - Layout::PropertyFieldWidth / 2 - Layout::SliderLength / 2 -
                        Layout::SliderGap;
  float rowY = top + Layout::FieldHeight / 2 + inset;
  for (size_t i = 0; i < ChannelCount; ++i) {
    m_colorFields[i]->box->SetAltPositionXYZ(fieldX, rowY, anchor.z);
    m_colorSliders[i]->SetPosition(sliderX, rowY, anchor.z);
    rowY += Layout::ChannelPitch;
  }

  Quad& frame = *m_colorSwatchFrame;
  frame.SetAltPositionXYZ(right - frame.width / 2 - inset,
                          buttonY - ok.height / 2 - frame.height / 2 - inset, anchor.z);
  m_colorOldSwatch->SetAltPosition(frame.altPosition -
                                   Vector3{0.0f, m_colorOldSwatch->height / 2, 0.0f});
  m_colorNewSwatch->SetAltPosition(frame.altPosition +
                                   Vector3{0.0f, m_colorNewSwatch->height / 2, 0.0f});

  Color4 loaded = color;
  for (size_t i = 0; i < ChannelCount; ++i) {
    const uint8_t byte = ChannelOf(loaded, i);
    m_colorSliders[i]->SetValue(byte);
    m_colorFields[i]->SetText(ByteText(byte));
    m_colorFields[i]->UpdateCaret();
  }
  m_colorAtOpen = color;
  m_draggedSlider = ChannelCount;
}

size_t ColorDialog::SliderAt(const Vector3& point) const {
  for (size_t i = 0; i < ChannelCount; ++i) {
    if (m_colorSliders[i]->thumb->AltContainsPoint(point)) return i;
  }
  return ChannelCount;
}

size_t ColorDialog::FieldAt(const Vector3& point) const {
  for (size_t i = 0; i < ChannelCount; ++i) {
    if (m_colorFields[i]->box->AltContainsPoint(point)) return i;
  }
  return ChannelCount;
}

size_t ColorDialog::ChannelOfField(const TextBox* field) const {
  for (size_t i = 0; i < ChannelCount; ++i) {
    if (m_colorFields[i].get() == field) return i;
  }
  return ChannelCount;
}

uint8_t ColorDialog::ChannelIn(const TextBox& field) {
  return static_cast<uint8_t>(std::clamp(LeadingInteger(field.text), 0, 255));
}

Color4 ColorDialog::SliderColor() const {
  Color4 color;
  for (size_t i = 0; i < ChannelCount; ++i) {
    ChannelOf(color, i) = RoundToByte(m_colorSliders[i]->value);
  }
  return color;
}

Color4 ColorDialog::FieldColor() const {
  Color4 color;
  for (size_t i = 0; i < ChannelCount; ++i) ChannelOf(color, i) = ChannelIn(*m_colorFields[i]);
  return color;
}

uint8_t ColorDialog::DragSlider(size_t channel, const Vector3& point) {
  Slider& slider = *m_colorSliders[channel];
  slider.DragTo(point.x, point.y, point.z);
  const uint8_t byte = RoundToByte(slider.value);
  m_colorFields[channel]->SetText(ByteText(byte));
  m_colorFields[channel]->UpdateCaret();
  return byte;
}

void ColorDialog::FollowField(size_t channel) {
  m_colorSliders[channel]->SetValue(ChannelIn(*m_colorFields[channel]));
}

void ColorDialog::DrawBoxes(const Color4& current) {
  m_colorOldSwatch->SetFillColor(m_colorAtOpen);
  m_colorNewSwatch->SetFillColor(current);
  m_colorPanel->DrawScreen();
  m_colorSwatchFrame->DrawScreen();
  m_colorOldSwatch->DrawScreen();
  m_colorNewSwatch->DrawScreen();
  m_colorOkButton->DrawScreen();
  m_colorCancelButton->DrawScreen();
  for (const auto& slider : m_colorSliders) {
    slider->track->DrawScreen();
    slider->thumb->DrawScreen();
  }
}

void ColorDialog::DrawTexts() {
  const uint32_t text = DebugButtonColors::Text.ToD3DColor();
  for (size_t i = 0; i < ChannelCount; ++i) {
    const Slider& slider = *m_colorSliders[i];
    DrawTextAligned(SmallFont, slider.x - Layout::SliderLength / 2 - Layout::LetterGap, slider.y,
                    0.0f, ChannelLetters[i], text, AlignCenter, AlignQuarterUp);
    m_colorFields[i]->Draw();
  }
  for (const auto& [button, caption] :
       {std::pair{m_colorOkButton.get(), L"OK"}, std::pair{m_colorCancelButton.get(), L"Cancel"}}) {
    DrawTextAligned(SmallFont, button->altPosition.x, button->altPosition.y, 0.0f, caption, text,
                    AlignCenter, AlignQuarterUp);
  }
}
