#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "engine/Color4.h"
#include "platform/MathTypes.h"

class GameState;
class Quad;
class Slider;
class TextBox;
class Texture;

// The widgets of the colour dialog: a slider and a number field for each of the four bytes
// (alpha, red, green, blue), the colour at opening over the current one, "OK" and "Cancel".
// The debug menu decides what the colour is applied to.
class ColorDialog {
 public:
  static constexpr size_t ChannelCount = 4;

  ColorDialog(GameState* owner, Texture* atlas);
  ~ColorDialog();
  ColorDialog(const ColorDialog&) = delete;
  ColorDialog& operator=(const ColorDialog&) = delete;

  // Lays the dialog out round the screen point and loads the colour into sliders and fields.
  void Open(const platform::Vector3& anchor, const Color4& color);

  // The first channel whose slider thumb, or whose field, holds the point; ChannelCount when
  // none does.
  size_t SliderAt(const platform::Vector3& point) const;
  size_t FieldAt(const platform::Vector3& point) const;
  // The channel of one of the dialog's fields; ChannelCount for another field.
  size_t ChannelOfField(const TextBox* field) const;
  // The byte a field's number stands for: 0 without a number, kept within 0 to 255.
  static uint8_t ChannelIn(const TextBox& field);
  // The four sliders' values rounded to bytes.
  Color4 SliderColor() const;
  // The four fields' bytes.
  Color4 FieldColor() const;
  // The slider moves to the point; its rounded value goes into the field and is returned.
  uint8_t DragSlider(size_t channel, const platform::Vector3& point);
  // The field's number moves the slider.
  void FollowField(size_t channel);
  // Boxes, swatches and sliders at once, with the current colour in the lower swatch.
  void DrawBoxes(const Color4& current);
  // Slider letters, the fields and the button captions through the shared sprite batch, which the caller has begun.
  void DrawTexts();

  // The slider under the point becomes the one the left button drags, if any; released, none.
  void GrabSliderAt(const platform::Vector3& point) { m_draggedSlider = SliderAt(point); }
  void ReleaseSlider() { m_draggedSlider = ChannelCount; }
  // The channel whose slider is dragged; ChannelCount when none.
  size_t DraggedSlider() const { return m_draggedSlider; }
  const Color4& ColorAtOpen() const { return m_colorAtOpen; }
  const Quad& PanelBox() const { return *m_colorPanel; }
  const Quad& OkButton() const { return *m_colorOkButton; }
  const Quad& CancelButton() const { return *m_colorCancelButton; }
  const Slider& ChannelSlider(size_t channel) const { return *m_colorSliders[channel]; }
  // A channel's number field, which the menu opens for typing.
  TextBox& Field(size_t channel) { return *m_colorFields[channel]; }
  const TextBox& Field(size_t channel) const { return *m_colorFields[channel]; }

 private:
  std::unique_ptr<Quad> m_colorPanel;
  std::array<std::unique_ptr<Slider>, ChannelCount> m_colorSliders;
  std::array<std::unique_ptr<TextBox>, ChannelCount> m_colorFields;
  std::unique_ptr<Quad> m_colorSwatchFrame, m_colorOldSwatch, m_colorNewSwatch;
  std::unique_ptr<Quad> m_colorOkButton, m_colorCancelButton;
  size_t m_draggedSlider = ChannelCount;
  Color4 m_colorAtOpen;
};

// One byte of a colour by channel: 0 alpha, 1 red, 2 green, 3 blue.
uint8_t& ChannelOf(Color4& color, size_t channel);
