#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editor/TriggerPanel.h"
#include "platform/Vertex.h"

class DebugButton;
class GameState;
class Line;
class ModifierShape;
class Quad;
class Shape;
class Sprite;
class SpriteButton;
class TextBox;
class Texture;

// The widgets of the property panel along the bottom of the editor's main page: the number
// fields of the selection (or of the Sprite tool's brush), their row captions, the texture
// field with its swatch, the layer arrows, the colour swatch, the flip buttons, a boundary's side
// buttons and, through its trigger panel, a trigger's own fields, buttons and check boxes. The
// editor decides which of them are live and draws those; this holds them, lays out the rows for
// the kind of shape and writes a selection's values into the fields.
class PropertyPanel {
 public:
  PropertyPanel(GameState* owner, Texture* atlas);
  ~PropertyPanel();
  PropertyPanel(const PropertyPanel&) = delete;
  PropertyPanel& operator=(const PropertyPanel&) = delete;

  // Every field of the shape in its shown form, the trigger's own fields when it has one, and
  // the rows of the shape's kind.
  void Show(const Shape& shape, const ModifierShape* modifier);
  // The flip buttons, and the side buttons of a boundary, pressed as the shape's flags say.
  void ShowToggles(const Shape& shape);
  // The source rectangle's rows under the corner rows (quads), or in their place (circles,
  // sprites and the brush); then the layer row with its arrows and the colour swatch.
  void LayoutQuadRows();
  void LayoutShortRows();

  // The brush's source rectangle as its four fields hold it, whole texels.
  platform::PixelRect SourceRect() const;

  // The fields live for every shape, and those of each kind of shape.
  std::vector<TextBox*> CommonFields() const;
  std::vector<TextBox*> QuadFields() const;
  std::vector<TextBox*> CircleFields() const;
  std::vector<TextBox*> SpriteFields() const;
  // The brush's fields: source rectangle, rotation, scale and layer.
  std::vector<TextBox*> BrushFields() const;
  // The fields a press can open for the shape, in the order they are tested: position,
  // rotation, the rows of its kind, source rectangle, layer, then its trigger's fields.
  std::vector<TextBox*> LiveFields(const Shape& shape, const ModifierShape* modifier) const;
  // The row captions that go with the shape fields of a kind, and with the brush.
  std::vector<SpriteButton*> CommonCaptions() const;
  std::vector<SpriteButton*> QuadCaptions() const;
  std::vector<SpriteButton*> CircleCaptions() const;
  std::vector<SpriteButton*> SpriteCaptions() const;
  std::vector<SpriteButton*> BrushCaptions() const;

  std::unique_ptr<TextBox> m_fieldPositionX, m_fieldPositionY, m_fieldPositionZ;
  std::unique_ptr<TextBox> m_fieldRotation;
  std::unique_ptr<TextBox> m_fieldWidth, m_fieldHeight;
  std::unique_ptr<TextBox> m_fieldRadius;
  std::unique_ptr<TextBox> m_fieldScaleX, m_fieldScaleY;
  std::unique_ptr<TextBox> m_fieldTopLeftX, m_fieldTopLeftY;
  std::unique_ptr<TextBox> m_fieldTopRightX, m_fieldTopRightY;
  std::unique_ptr<TextBox> m_fieldBottomLeftX, m_fieldBottomLeftY;
  std::unique_ptr<TextBox> m_fieldBottomRightX, m_fieldBottomRightY;
  std::unique_ptr<TextBox> m_fieldSourceLeft, m_fieldSourceTop;
  std::unique_ptr<TextBox> m_fieldSourceRight, m_fieldSourceBottom;
  std::unique_ptr<TextBox> m_fieldLayer;

  std::unique_ptr<Quad> m_headerStrip;
  std::array<std::unique_ptr<Line>, 2> m_separators;
  std::unique_ptr<Quad> m_textureField;
  std::unique_ptr<SpriteButton> m_textureLabel;
  std::unique_ptr<Quad> m_textureSwatch;
  std::unique_ptr<Quad> m_sourceFrame;
  std::unique_ptr<Sprite> m_clearTextureIcon;
  std::unique_ptr<Quad> m_layerUpArrow, m_layerDownArrow;
  std::unique_ptr<Quad> m_colorSwatchFrame;
  std::unique_ptr<Quad> m_colorSwatch;
  std::unique_ptr<DebugButton> m_buttonFlipX, m_buttonFlipY;
  std::unique_ptr<DebugButton> m_collisionTop, m_collisionLeft, m_collisionBottom,
      m_collisionRight;
  std::unique_ptr<Sprite> m_collisionCentre;
  std::unique_ptr<DebugButton> m_manageCollision;
  std::unique_ptr<TriggerPanel> m_triggers;

 private:
  void BuildFields(GameState* owner);
  void BuildCaptions(Texture* atlas);
  void BuildTextureWidgets(Texture* atlas);
  void BuildButtons(Texture* atlas);
  // The layer field, its arrows and the colour swatch on the row below the source-left field.
  void LayoutLayerRow();

  // The menu reaches them through the caption lists of each kind.
  std::unique_ptr<SpriteButton> m_captionPosition, m_captionRotation, m_captionDimensions;
  std::unique_ptr<SpriteButton> m_captionRadius, m_captionScale;
  std::unique_ptr<SpriteButton> m_captionTopLeft, m_captionTopRight;
  std::unique_ptr<SpriteButton> m_captionBottomLeft, m_captionBottomRight;
  std::unique_ptr<SpriteButton> m_captionSourceTopLeft, m_captionSourceBottomRight;
  std::unique_ptr<SpriteButton> m_captionLayer, m_captionColor;
};

// The open field after its number was stored and shown again: the text as typed comes back while
// it reads as the number stored, so that a point or a zero typed last waits for the next digit and
// what the box has no room for is not cut from the number.
void KeepTypedNumber(TextBox& field, const std::string& typed, float stored);
// The number a field holds; a text that is not one reads as 0.
float NumberIn(const TextBox& field);
// The same without its fraction.
int32_t WholeNumberIn(const TextBox& field);
