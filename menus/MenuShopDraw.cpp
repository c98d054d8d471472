#include <string>

#include "engine/Font.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/draw/ScreenBox.h"
#include "menus/MenuShop.h"
#include "platform/SpriteBatch.h"
#include "world/World.h"

using platform::Vector3;

namespace {

constexpr Color4 ColorRed{255, 255, 0, 0};
constexpr float MainLabelScale = 0.6f;
constexpr float MainLabelDrop = 4.0f;
constexpr float DialogTitleDrop = 5.0f;
// Token lines: each value ends 2 pixels inside the right edge, its label further left.
constexpr float ValueInset = 2.0f;
constexpr float LabelInset = 85.0f;
constexpr float SellLabelInset = 86.0f;
constexpr float RemainingLabelInset = 87.0f;
constexpr float TopLineDrop = 2.0f;
constexpr float TokensAboveRows = 21.0f;
constexpr float CostBelowFiller = 10.0f;
constexpr float RemainderBelowFiller = 30.0f;
// Column headers over the rows' mark, holding and price.
constexpr float PriceColumn = 336.0f;

}  // namespace

void MenuShop::Draw() {
  if (m_page == PageBuy || m_page == PageSell) {
    DrawTradePage();
  } else {
    DrawMainPage();
  }
}

void MenuShop::DrawMainPage() {
  m_window.DrawBehind(m_world);
  for (Sprite* piece : {m_window.footers[MenuWindow::SelectFooter].get(),
                        m_window.footers[MenuWindow::BackFooter].get(), m_titleMain.get(),
                        m_window.content.get()}) {
    piece->DrawScreen();
  }
  m_panelDescriptionShop.DrawScreen();
  m_selectionMarker.DrawScreen();
  const ScreenBox panel = ScreenBoxOf(m_panelDescriptionShop);
  if (m_window.smallFont) {
    m_window.smallFont->color = ColorWhite;
    m_window.smallFont->DrawString(
        "Total Tokens:", {panel.right - LabelInset, panel.top + TopLineDrop, 0.0f}, FontAlignStart,
        FontAlignEnd);
    m_window.smallFont->DrawString(FloatToString(Tokens()),
                                   {panel.right - ValueInset, panel.top + TopLineDrop, 0.0f},
                                   FontAlignStart, FontAlignEnd);
  }
  if (m_window.largeFont) {
    m_window.largeFont->scaleX = MainLabelScale;
    m_window.largeFont->scaleY = MainLabelScale;
    m_window.largeFont->color = ColorWhite;
    const std::pair<const char*, int32_t> labels[] = {
        {"BUY", ButtonBuy}, {"SELL", ButtonSell}, {"EXIT", ButtonExit}};
    for (const auto& [label, button] : labels) {
      const Vector3 at = MainButtonArea(button).altPosition;
      m_window.largeFont->DrawString(label, {at.x, at.y + MainLabelDrop, 0.0f}, FontAlignCenter,
                                     FontAlignCenter);
    }
  }
  if (SpriteRenderer) SpriteRenderer->End();
}

void MenuShop::DrawTradePage() {
  const bool selling = m_page == PageSell;
  m_window.DrawBehind(m_world);
  for (Sprite* piece : {m_window.footers[MenuWindow::SelectFooter].get(),
                        m_window.footers[MenuWindow::BackFooter].get(), m_window.tabRowLeft.get(),
                        m_window.tabRowRight.get(), selling ? m_titleSell.get() : m_titleBuy.get(),
                        m_window.content.get()}) {
    piece->DrawScreen();
  }
  m_tabs.open.DrawScreen();
  DrawTabList(selling ? m_sellTab : m_buyTab);
  const ScreenBox rows = ScreenBoxOf(m_rows.group);
  if (m_window.smallFont) {
    m_window.smallFont->color = ColorGrey;
    const std::pair<const char*, float> headers[] = {{selling ? "Sell" : "Buy", MarkedColumn},
                                                     {"Own", HeldColumn},
                                                     {selling ? "Price" : "Cost", PriceColumn}};
    for (const auto& [header, column] : headers) {
      m_window.smallFont->DrawString(header, {rows.left + column, rows.top, 0.0f}, FontAlignStart,
                                     FontAlignCenter);
    }
  }
  if (StepOfPage() == StepConfirming) DrawConfirmation();
  DrawTokenLines();
  if (SpriteRenderer) SpriteRenderer->End();
}

void MenuShop::DrawConfirmation() {
  const bool selling = m_page == PageSell;
  m_panelConfirm.DrawScreen();
  const ScreenBox dialog = ScreenBoxOf(m_panelConfirm);
  if (m_window.smallFont) {
    m_window.smallFont->color = ColorWhite;
    m_window.smallFont->DrawString(
        selling ? "Confirm Sale?" : "Confirm Purchase?",
        {m_panelConfirm.altPosition.x, dialog.top + DialogTitleDrop, 0.0f}, FontAlignStart,
        FontAlignCenter);
  }
  if (m_window.largeFont) {
    m_window.largeFont->scaleX = m_dialogTextScaleX;
    m_window.largeFont->scaleY = m_dialogTextScaleY;
    m_window.largeFont->color = selling || CartAffordable() ? ColorWhite : ColorGrey;
    const Vector3 accept = m_confirmAccept->altPosition;
    m_window.largeFont->DrawString(selling ? "Sell" : "Purchase",
                                   {accept.x, accept.y - AcceptLabelRaise, 0.0f}, FontAlignCenter,
                                   FontAlignCenter);
    m_window.largeFont->color = ColorWhite;
    const Vector3 cancel = m_confirmCancel->altPosition;
    m_window.largeFont->DrawString("Cancel", {cancel.x, cancel.y + CancelLabelDrop, 0.0f},
                                   FontAlignCenter, FontAlignCenter);
  }
  m_selectionMarker.DrawScreen();
}

void MenuShop::DrawTokenLines() {
  if (!m_window.smallFont) return;
  const bool selling = m_page == PageSell;
  const ScreenBox rows = ScreenBoxOf(m_rows.group);
  const ScreenBox filler = ScreenBoxOf(*m_rows.fill);
  auto line = [this](const std::string& text, float x, float y) {
    m_window.smallFont->DrawString(text, {x, y, 0.0f}, FontAlignStart, FontAlignEnd);
  };
  m_window.smallFont->color = ColorWhite;
  line("Total Tokens:", rows.right - LabelInset, rows.top - TokensAboveRows);
  line(FloatToString(Tokens()), rows.right - ValueInset, rows.top - TokensAboveRows);
  const float costY = filler.top + CostBelowFiller;
  line(FloatToString(m_cartTotal), filler.right - ValueInset, costY);
  line(selling ? "Total Sell Price:" : "Total Cost:",
       filler.right - (selling ? SellLabelInset : LabelInset), costY);
  // Buying shows what the tokens leave after the cart, red when they do not reach; selling
  // shows the tokens after the sale.
  const float remainder = selling ? m_cartTotal + Tokens() : Tokens() - m_cartTotal;
  const float remainderY = filler.top + RemainderBelowFiller;
  m_window.smallFont->color = remainder < 0.0f && !selling ? ColorRed : ColorWhite;
  line(FloatToString(remainder), filler.right - ValueInset, remainderY);
  m_window.smallFont->color = ColorWhite;
  line("Remaining Tokens:", filler.right - RemainingLabelInset, remainderY);
}
