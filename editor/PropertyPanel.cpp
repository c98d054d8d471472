#include "editor/PropertyPanel.h"

#include <cstdlib>

#include "editor/DebugButton.h"
#include "editor/EditorLayout.h"
#include "editor/EditorWidgets.h"
#include "engine/BevelPainters.h"
#include "engine/CreateTextBox.h"
#include "engine/EditorAtlas.h"
#include "engine/Globals.h"
#include "engine/SpriteButton.h"
#include "engine/TextBox.h"
#include "engine/VectorMath.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Line.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "world/MapFormat.h"
#include "world/ModifierShape.h"

using platform::Vector3;
namespace Atlas = EditorAtlas;
namespace Layout = EditorLayout;

namespace {

constexpr Color4 HeaderFill{60, 120, 130, 150};
constexpr Color4 SourceFrameOutline{255, 220, 30, 30};
constexpr float QuarterTurn = 90.0f;

float RowY(int row) { return Layout::PanelRowY(row); }

float Left(const TextBox& field) { return field.box->altPosition.x - field.box->width / 2; }

void MoveField(TextBox& field, float x, float y) {
  field.box->SetAltPositionXYZ(x, y, 0.0f);
  field.UpdateCaret();
}

void MoveCaption(SpriteButton& caption, float x, float y) {
  caption.sprite->SetAltPositionXYZ(x, y, 0.0f);
}

// A row caption: its picture stands the caption gap left of the row's first field, its text
// left of the picture.
void PlaceCaptionBefore(SpriteButton& caption, const TextBox& field) {
  MoveCaption(caption, field.box->altPosition.x - Layout::CaptionLeftOfField,
              field.box->altPosition.y);
}

std::unique_ptr<Quad> ScreenQuad(const ScreenBox& box, const Color4& fill) {
  auto quad = std::make_unique<Quad>();
  Layout::Cover(*quad, box);
  quad->SetFillColor(fill);
  return quad;
}

ScreenBox BoxAround(float x, float y, float width, float height) {
  return {x - width / 2, y - height / 2, x + width / 2, y + height / 2};
}

std::unique_ptr<Quad> AtlasQuad(Texture* atlas, size_t cell, const ScreenBox& box) {
  auto quad = ScreenQuad(box, ColorWhite);
  const platform::PixelRect& rect = Atlas::Cells[cell];
  quad->SetTexture(atlas);
  quad->SetRect(rect.left, rect.top, rect.right, rect.bottom);
  return quad;
}

std::unique_ptr<Sprite> AtlasSprite(Texture* atlas, size_t cell, float x, float y) {
  auto sprite = std::make_unique<Sprite>(atlas, 0, Vector3{}, 0.0f, Atlas::Cells[cell]);
  sprite->SetAltPositionXYZ(x, y, 0.0f);
  return sprite;
}

void ShowCorner(TextBox& x, TextBox& y, const Vector3& corner) {
  x.ShowNumber(corner.x);
  y.ShowNumber(corner.y);
}

void ShowToggle(DebugButton& button, bool pressed) { button.SetPressed(pressed); }

}  // namespace

void KeepTypedNumber(TextBox& field, const std::string& typed, float stored) {
  if (std::strtof(typed.c_str(), nullptr) == stored) field.SetText(typed);
}

float NumberIn(const TextBox& field) { return std::strtof(field.text.c_str(), nullptr); }

int32_t WholeNumberIn(const TextBox& field) { return TruncateToInt(NumberIn(field)); }

PropertyPanel::PropertyPanel(GameState* owner, Texture* atlas) {
  BuildFields(owner);
  BuildCaptions(atlas);
  BuildTextureWidgets(atlas);
  BuildButtons(atlas);
  m_triggers = std::make_unique<TriggerPanel>(owner, atlas);
  LayoutQuadRows();
}

PropertyPanel::~PropertyPanel() = default;

void PropertyPanel::BuildFields(GameState* owner) {
  auto field = [owner](std::unique_ptr<TextBox>& slot, int32_t mode, float x, int row,
                       const std::string& label) {
    CreateTextBox(owner, mode, slot, Layout::PropertyFieldWidth, Layout::FieldHeight, 0.0f, x,
                  RowY(row), 0.0f, Layout::PropertyFieldMaxLength, label, "0");
  };
  const float x0 = Layout::ShapeColumnX(0);
  const float x1 = Layout::ShapeColumnX(1);
  field(m_fieldPositionX, TextBoxDecimal, x0, Layout::PositionRow, "X:");
  field(m_fieldPositionY, TextBoxDecimal, x1, Layout::PositionRow, "Y:");
  field(m_fieldPositionZ, TextBoxDecimal, Layout::ShapeColumnX(2), Layout::PositionRow, "Z:");
  field(m_fieldRotation, TextBoxDecimal, x0, Layout::RotationRow, "");
  field(m_fieldWidth, TextBoxDecimal, x0, Layout::SizeRow, "X:");
  field(m_fieldHeight, TextBoxDecimal, x1, Layout::SizeRow, "Y:");
  field(m_fieldRadius, TextBoxDecimal, x0, Layout::SizeRow, "");
  field(m_fieldScaleX, TextBoxDecimal, x0, Layout::SizeRow, "");
  field(m_fieldScaleY, TextBoxDecimal, x1, Layout::SizeRow, "");

  // The grid: corners in the first two rows; the source rectangle and the layer are placed by
  // the row layouts.
  const float gx0 = Layout::GridColumnX[0];
  const float gx1 = Layout::GridColumnX[1];
  const float pitch = Layout::FieldPitch;
  field(m_fieldTopLeftX, TextBoxDecimal, gx0, 0, "X:");
  field(m_fieldTopLeftY, TextBoxDecimal, gx0 + pitch, 0, "Y:");
  field(m_fieldTopRightX, TextBoxDecimal, gx1, 0, "X:");
  field(m_fieldTopRightY, TextBoxDecimal, gx1 + pitch, 0, "Y:");
  field(m_fieldBottomLeftX, TextBoxDecimal, gx0, 1, "X:");
  field(m_fieldBottomLeftY, TextBoxDecimal, gx0 + pitch, 1, "Y:");
  field(m_fieldBottomRightX, TextBoxDecimal, gx1, 1, "X:");
  field(m_fieldBottomRightY, TextBoxDecimal, gx1 + pitch, 1, "Y:");
  field(m_fieldSourceLeft, TextBoxInteger, gx0, 2, "X:");
  field(m_fieldSourceTop, TextBoxInteger, gx0 + pitch, 2, "Y:");
  field(m_fieldSourceRight, TextBoxInteger, gx1, 2, "X:");
  field(m_fieldSourceBottom, TextBoxInteger, gx1 + pitch, 2, "Y:");
  CreateTextBox(owner, TextBoxInteger, m_fieldLayer, Layout::LayerFieldWidth, Layout::FieldHeight,
                0.0f, gx0, RowY(3), 0.0f, Layout::LayerFieldMaxLength, "", "0");
}

void PropertyPanel::BuildCaptions(Texture* atlas) {
  auto caption = [atlas](std::unique_ptr<SpriteButton>& slot, const char* text) {
    slot = std::make_unique<SpriteButton>(atlas, text);
    const platform::PixelRect& cell = Atlas::Cells[Atlas::RowCaption];
    slot->SetRect(cell.left, cell.top, cell.right, cell.bottom);
  };
  caption(m_captionPosition, "Position");
  caption(m_captionRotation, "Rotation");
  caption(m_captionDimensions, "Dimensions");
  caption(m_captionRadius, "Radius");
  caption(m_captionScale, "Scale");
  caption(m_captionTopLeft, "TL");
  caption(m_captionTopRight, "TR");
  caption(m_captionBottomLeft, "BL");
  caption(m_captionBottomRight, "BR");
  caption(m_captionSourceTopLeft, "TS:TL");
  caption(m_captionSourceBottomRight, "TS:BR");
  caption(m_captionLayer, "Layer");
  caption(m_captionColor, "Color");
  PlaceCaptionBefore(*m_captionPosition, *m_fieldPositionX);
  PlaceCaptionBefore(*m_captionRotation, *m_fieldRotation);
  PlaceCaptionBefore(*m_captionDimensions, *m_fieldWidth);
  PlaceCaptionBefore(*m_captionRadius, *m_fieldRadius);
  PlaceCaptionBefore(*m_captionScale, *m_fieldScaleX);
  PlaceCaptionBefore(*m_captionTopLeft, *m_fieldTopLeftX);
  PlaceCaptionBefore(*m_captionTopRight, *m_fieldTopRightX);
  PlaceCaptionBefore(*m_captionBottomLeft, *m_fieldBottomLeftX);
  PlaceCaptionBefore(*m_captionBottomRight, *m_fieldBottomRightX);
}

void PropertyPanel::BuildTextureWidgets(Texture* atlas) {
  m_headerStrip = ScreenQuad(Layout::HeaderStrip, HeaderFill);
  const ScreenBox& panel = Layout::PropertyPanel;
  const float middle = (panel.top + panel.bottom) / 2;
  for (size_t i = 0; i < m_separators.size(); ++i) {
    auto line = std::make_unique<Line>();
    line->SetLength(panel.Height() - Layout::SeparatorShortening);
    line->SetRotation(QuarterTurn);
    line->SetFillColor(EditorWidgets::SeparatorColor);
    line->SetAltPositionXYZ(Layout::SeparatorX[i], middle, 0.0f);
    m_separators[i] = std::move(line);
  }

  const ScreenBox& field = Layout::TextureField;
  const float fieldY = (field.top + field.bottom) / 2;
  m_textureField = ScreenQuad(field, ColorTransparentWhite);
  PaintSunkenBevel(*m_textureField);
  m_textureLabel = std::make_unique<SpriteButton>(atlas);
  const platform::PixelRect& kind = Atlas::Cells[Atlas::KindTexturedShape];
  m_textureLabel->SetRect(kind.left, kind.top, kind.right, kind.bottom);
  m_textureLabel->sprite->SetAltPositionXYZ(field.left + Layout::TextureIconInset, fieldY, 0.0f);
  m_clearTextureIcon = AtlasSprite(atlas, Atlas::ClearTextureNone, Layout::ClearTextureX, fieldY);

  m_textureSwatch = AtlasQuad(atlas, 0, Layout::TextureSwatch);
  const platform::PixelRect& none = Atlas::NoTextureSwatch;
  m_textureSwatch->SetRect(none.left, none.top, none.right, none.bottom);
  PaintSunkenBevel(*m_textureSwatch);
  m_sourceFrame = ScreenQuad({}, ColorTransparentWhite);
  m_sourceFrame->outlineVisible = 1;
  m_sourceFrame->SetOutlineColor(SourceFrameOutline);

  m_layerUpArrow = AtlasQuad(atlas, Atlas::LayerUp, {});
  m_layerDownArrow = AtlasQuad(atlas, Atlas::LayerDown, {});
  m_colorSwatchFrame = AtlasQuad(atlas, 0, {});
  const platform::PixelRect& checkers = Atlas::SwatchFrame;
  m_colorSwatchFrame->SetRect(checkers.left, checkers.top, checkers.right, checkers.bottom);
  PaintSunkenBevel(*m_colorSwatchFrame);
  m_colorSwatch = ScreenQuad({}, ColorWhite);
}

void PropertyPanel::BuildButtons(Texture* atlas) {
  auto button = [](float x, float y, float width, float height, const char* label) {
    return std::make_unique<DebugButton>(width, height, 0.0f, x, y, 0.0f, label);
  };
  m_buttonFlipX = button(Layout::FlipButtonX, Layout::FlipButtonY[0], Layout::FlipButtonWidth,
                         Layout::PanelButtonHeight, "Flip X");
  m_buttonFlipY = button(Layout::FlipButtonX, Layout::FlipButtonY[1], Layout::FlipButtonWidth,
                         Layout::PanelButtonHeight, "Flip Y");

  const float cx = Layout::OwnerCenterX;
  const float cy = Layout::SideButtonsCenterY;
  const float reach = Layout::SideButtonReach;
  const float length = Layout::SideButtonLength;
  const float thickness = Layout::SideButtonThickness;
  m_collisionTop = button(cx, cy - reach, length, thickness, "");
  m_collisionBottom = button(cx, cy + reach, length, thickness, "");
  m_collisionLeft = button(cx - reach, cy, thickness, length, "");
  m_collisionRight = button(cx + reach, cy, thickness, length, "");
  m_collisionCentre = AtlasSprite(atlas, Atlas::CollisionCentre, cx, cy);
  m_manageCollision =
      button(cx, RowY(1), Layout::OwnerWidth, Layout::PanelButtonHeight, "Manage Collision...");
}

void PropertyPanel::LayoutQuadRows() {
  const float step = Layout::PanelRowPitch;
  auto below = [step](TextBox& field, const TextBox& above) {
    MoveField(field, above.box->altPosition.x, above.box->altPosition.y + step);
  };
  below(*m_fieldSourceLeft, *m_fieldBottomLeftX);
  below(*m_fieldSourceTop, *m_fieldBottomLeftY);
  below(*m_fieldSourceRight, *m_fieldBottomRightX);
  below(*m_fieldSourceBottom, *m_fieldBottomRightY);
  LayoutLayerRow();
}

void PropertyPanel::LayoutShortRows() {
  auto atPlaceOf = [](TextBox& field, const TextBox& other) {
    MoveField(field, other.box->altPosition.x, other.box->altPosition.y);
  };
  atPlaceOf(*m_fieldSourceLeft, *m_fieldTopLeftX);
  atPlaceOf(*m_fieldSourceTop, *m_fieldTopLeftY);
  atPlaceOf(*m_fieldSourceRight, *m_fieldTopRightX);
  atPlaceOf(*m_fieldSourceBottom, *m_fieldTopRightY);
  LayoutLayerRow();
}

void PropertyPanel::LayoutLayerRow() {
  const Vector3 sourceLeft = m_fieldSourceLeft->box->altPosition;
  const float y = sourceLeft.y + Layout::PanelRowPitch;
  const float layerLeft = Left(*m_fieldSourceLeft);
  MoveField(*m_fieldLayer, layerLeft + Layout::LayerFieldWidth / 2, y);
  const float arrow = Layout::LayerArrowSize;
  const float upLeft = layerLeft + Layout::LayerFieldWidth + Layout::ArrowGap;
  Layout::Cover(*m_layerUpArrow, {upLeft, y - arrow / 2, upLeft + arrow, y + arrow / 2});
  const float downLeft = upLeft + arrow + Layout::ArrowGap;
  Layout::Cover(*m_layerDownArrow, {downLeft, y - arrow / 2, downLeft + arrow, y + arrow / 2});
  const float frame = Layout::ColorSwatchFrameSize;
  const float frameX = Left(*m_fieldSourceRight) + frame / 2;
  Layout::Cover(*m_colorSwatchFrame, BoxAround(frameX, y, frame, frame));
  Layout::Cover(*m_colorSwatch,
                BoxAround(frameX, y, Layout::ColorSwatchSize, Layout::ColorSwatchSize));

  PlaceCaptionBefore(*m_captionSourceTopLeft, *m_fieldSourceLeft);
  PlaceCaptionBefore(*m_captionSourceBottomRight, *m_fieldSourceRight);
  MoveCaption(*m_captionLayer, m_captionSourceTopLeft->sprite->altPosition.x, y);
  MoveCaption(*m_captionColor, m_captionSourceBottomRight->sprite->altPosition.x, y);
}

void PropertyPanel::Show(const Shape& shape, const ModifierShape* modifier) {
  m_fieldPositionX->ShowNumber(shape.position.x);
  m_fieldPositionY->ShowNumber(shape.position.y);
  m_fieldPositionZ->ShowNumber(shape.position.z);
  m_fieldRotation->ShowNumber(shape.rotation);
  auto showTexture = [this, &shape] {
    m_fieldSourceLeft->ShowNumber(static_cast<float>(shape.sourceRect.left));
    m_fieldSourceTop->ShowNumber(static_cast<float>(shape.sourceRect.top));
    m_fieldSourceRight->ShowNumber(static_cast<float>(shape.sourceRect.right));
    m_fieldSourceBottom->ShowNumber(static_cast<float>(shape.sourceRect.bottom));
    m_fieldLayer->ShowNumber(static_cast<float>(shape.layer));
    m_colorSwatch->SetFillColor(shape.GetColor());
  };
  if (const auto* quad = dynamic_cast<const Quad*>(&shape)) {
    m_fieldWidth->ShowNumber(quad->width);
    m_fieldHeight->ShowNumber(quad->height);
    ShowCorner(*m_fieldTopLeftX, *m_fieldTopLeftY, quad->GetTopLeft());
    ShowCorner(*m_fieldTopRightX, *m_fieldTopRightY, quad->GetTopRight());
    ShowCorner(*m_fieldBottomLeftX, *m_fieldBottomLeftY, quad->GetBottomLeft());
    ShowCorner(*m_fieldBottomRightX, *m_fieldBottomRightY, quad->GetBottomRight());
    showTexture();
    LayoutQuadRows();
  } else if (const auto* circle = dynamic_cast<const Circle*>(&shape)) {
    m_fieldRadius->ShowNumber(circle->radius);
    showTexture();
    LayoutShortRows();
  } else if (const auto* sprite = dynamic_cast<const Sprite*>(&shape)) {
    m_fieldScaleX->ShowNumber(sprite->scale.x);
    m_fieldScaleY->ShowNumber(sprite->scale.y);
    showTexture();
    LayoutShortRows();
  }
  if (modifier) m_triggers->Show(*modifier);
}

void PropertyPanel::ShowToggles(const Shape& shape) {
  ShowToggle(*m_buttonFlipX, shape.flipHorizontal != 0);
  ShowToggle(*m_buttonFlipY, shape.flipVertical != 0);
  // Up, left, down, right: BoundaryNormalSides names their entries.
  const std::array<DebugButton*, 4> sides = {m_collisionTop.get(), m_collisionLeft.get(),
                                             m_collisionBottom.get(), m_collisionRight.get()};
  for (size_t side = 0; side < sides.size(); ++side) {
    const Vector3& normal = shape.sideVectors[BoundaryNormalSides[side]];
    ShowToggle(*sides[side], normal == Vector3{});
  }
}

platform::PixelRect PropertyPanel::SourceRect() const {
  return {WholeNumberIn(*m_fieldSourceLeft), WholeNumberIn(*m_fieldSourceTop),
          WholeNumberIn(*m_fieldSourceRight), WholeNumberIn(*m_fieldSourceBottom)};
}

std::vector<TextBox*> PropertyPanel::CommonFields() const {
  return {m_fieldPositionX.get(),   m_fieldPositionY.get(),  m_fieldPositionZ.get(),
          m_fieldRotation.get(),    m_fieldSourceLeft.get(), m_fieldSourceTop.get(),
          m_fieldSourceRight.get(), m_fieldSourceBottom.get(), m_fieldLayer.get()};
}

std::vector<TextBox*> PropertyPanel::QuadFields() const {
  return {m_fieldWidth.get(),        m_fieldHeight.get(),       m_fieldTopLeftX.get(),
          m_fieldTopLeftY.get(),     m_fieldTopRightX.get(),    m_fieldTopRightY.get(),
          m_fieldBottomLeftX.get(),  m_fieldBottomLeftY.get(),  m_fieldBottomRightX.get(),
          m_fieldBottomRightY.get()};
}

std::vector<TextBox*> PropertyPanel::CircleFields() const { return {m_fieldRadius.get()}; }

std::vector<TextBox*> PropertyPanel::SpriteFields() const {
  return {m_fieldScaleX.get(), m_fieldScaleY.get()};
}

std::vector<TextBox*> PropertyPanel::BrushFields() const {
  return {m_fieldSourceLeft.get(), m_fieldSourceTop.get(), m_fieldSourceRight.get(),
          m_fieldSourceBottom.get(), m_fieldRotation.get(), m_fieldScaleX.get(),
          m_fieldScaleY.get(), m_fieldLayer.get()};
}

std::vector<TextBox*> PropertyPanel::LiveFields(const Shape& shape,
                                               const ModifierShape* modifier) const {
  std::vector<TextBox*> live = CommonFields();
  std::vector<TextBox*> kindRows;
  switch (shape.type) {
    case ShapeTypeQuad:
      kindRows = QuadFields();
      break;
    case ShapeTypeCircle:
      kindRows = CircleFields();
      break;
    case ShapeTypeSprite:
      kindRows = SpriteFields();
      break;
    default:
      break;
  }
  // The kind's rows follow position and rotation, the first four common fields.
  constexpr size_t BeforeKindRows = 4;
  live.insert(live.begin() + BeforeKindRows, kindRows.begin(), kindRows.end());
  if (modifier) {
    const std::vector<TextBox*> own = m_triggers->Fields(*modifier);
    live.insert(live.end(), own.begin(), own.end());
  }
  return live;
}

std::vector<SpriteButton*> PropertyPanel::CommonCaptions() const {
  return {m_captionPosition.get(), m_captionRotation.get(), m_captionSourceTopLeft.get(),
          m_captionSourceBottomRight.get(), m_captionLayer.get(), m_captionColor.get()};
}

std::vector<SpriteButton*> PropertyPanel::QuadCaptions() const {
  return {m_captionDimensions.get(), m_captionTopLeft.get(), m_captionTopRight.get(),
          m_captionBottomLeft.get(), m_captionBottomRight.get()};
}

std::vector<SpriteButton*> PropertyPanel::CircleCaptions() const {
  return {m_captionRadius.get()};
}

std::vector<SpriteButton*> PropertyPanel::SpriteCaptions() const { return {m_captionScale.get()}; }

std::vector<SpriteButton*> PropertyPanel::BrushCaptions() const {
  return {m_captionSourceTopLeft.get(), m_captionSourceBottomRight.get(), m_captionRotation.get(),
          m_captionScale.get(), m_captionLayer.get(), m_captionColor.get()};
}
