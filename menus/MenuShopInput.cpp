#include "engine/Controls.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "items/ItemStore.h"
#include "menus/ConversationTrigger.h"
#include "menus/ListWindow.h"
#include "menus/MenuShop.h"
#include "player/Player.h"
#include "world/World.h"

using platform::Vector3;

namespace {

constexpr float RowPitch = 22.0f;

// How a trade changes the player's store, item by item.
using StoreChange = void (ItemStore::*)(const Item&);
struct TradeMoves {
  StoreChange equipment;
  StoreChange rune;
  StoreChange expendable;
  StoreChange keyItem;
};
constexpr TradeMoves Buying{&ItemStore::AddEquipment, &ItemStore::AddRune,
                            &ItemStore::AddExpendable, &ItemStore::AddKeyItem};
constexpr TradeMoves Selling{&ItemStore::SubtractEquipment, &ItemStore::SubtractRune,
                             &ItemStore::SubtractExpendable, &ItemStore::SubtractKeyItem};

// The move for the item's kind, null for a kind or type the stores do not keep.
StoreChange MoveFor(const TradeMoves& moves, const Item& item) {
  switch (item.kind) {
    case ItemKindEquipment:
      return item.typeWord == TypeWordEquipment ? moves.equipment
             : item.typeWord == TypeWordRune    ? moves.rune
                                                : nullptr;
    case ItemKindExpendable:
      return moves.expendable;
    case ItemKindKeyItem:
      return moves.keyItem;
    default:
      return nullptr;
  }
}

void Trade(const TradeMoves& moves, const std::vector<Item*>& cart, ItemStore& store) {
  for (const Item* item : cart) {
    if (StoreChange move = MoveFor(moves, *item)) (store.*move)(*item);
  }
}

}  // namespace

void MenuShop::HandleInput(float) {
  if (!GameControls) return;
  // Back leaves from every page and step at once, before anything else is asked.
  if (GameControls->IsBackPressed(GameControls->activePad)) {
    Leave();
    return;
  }
  if (m_page == PageMain) {
    HandleMainPageInput();
  } else if (m_page == PageBuy || m_page == PageSell) {
    HandleTradePageInput();
  }
}

void MenuShop::HandleMainPageInput() {
  const Controls& c = *GameControls;
  if (c.IsMenuDownPressed(c.activePad)) {
    SelectNextMainButton();
  } else if (c.IsMenuUpPressed()) {
    SelectPreviousMainButton();
  } else if (c.IsConfirmPressed()) {
    if (m_mainSelection == ButtonBuy) {
      OpenPage(PageBuy);
    } else if (m_mainSelection == ButtonSell) {
      OpenPage(PageSell);
    } else if (m_mainSelection == ButtonExit) {
      Leave();
    }
  } else if (c.IsCancelPressed()) {
    Leave();
  }
}

void MenuShop::SelectNextMainButton() {
  m_mainSelection = m_mainSelection == ButtonBuy    ? ButtonSell
                    : m_mainSelection == ButtonSell ? ButtonExit
                                                    : ButtonBuy;
  PlaceMainMarker();
}

void MenuShop::SelectPreviousMainButton() {
  m_mainSelection = m_mainSelection == ButtonBuy    ? ButtonExit
                    : m_mainSelection == ButtonSell ? ButtonBuy
                                                    : ButtonSell;
  PlaceMainMarker();
}

void MenuShop::Leave() {
  // Talking to whoever opened the shop again starts their next conversation, not the shop.
  if (m_conversation) m_conversation->NextConversation();
  m_conversation = nullptr;
  ReturnToPlay();
}

void MenuShop::HandleTradePageInput() {
  const Controls& c = *GameControls;
  const int pad = c.activePad;
  if (StepOfPage() == StepBrowsing) {
    if (c.IsMenuDownPressed(pad)) {
      MoveListCursorDown();
    } else if (c.IsMenuUpPressed()) {
      MoveListCursorUp();
    } else if (c.IsMenuRightPressed()) {
      ChangeQuantity(1);
    } else if (c.IsMenuLeftPressed(pad)) {
      ChangeQuantity(-1);
    } else if (c.IsConfirmPressed()) {
      OpenConfirmation();
    } else if (c.IsCancelPressed()) {
      ShowMainPage();
    } else if (c.IsRightShoulderPressed()) {
      NextTab();
    } else if (c.IsLeftTriggerPressed(pad)) {
      PreviousTab();
    }
  } else if (StepOfPage() == StepConfirming) {
    if (c.IsMenuDownPressed(pad)) {
      SelectConfirmCancel();
    } else if (c.IsMenuUpPressed()) {
      SelectConfirmAccept();
    } else if (c.IsMenuRightPressed() || c.IsMenuLeftPressed(pad)) {
      // Sideways does nothing in the dialog and ends the frame's input.
    } else if (c.IsConfirmPressed()) {
      CompleteTrade();
    } else if (c.IsCancelPressed()) {
      CancelConfirmation();
    } else if (c.IsRightShoulderPressed()) {
      NextTab();
    } else if (c.IsLeftTriggerPressed(pad)) {
      PreviousTab();
    }
  }
}

void MenuShop::ChangeQuantity(int32_t delta) {
  if (m_listCursor >= m_listItems.size()) return;
  Item& row = *m_listItems[m_listCursor];
  const int32_t held = HeldQuantity(m_listCursor);
  // Buying never brings a holding above 99; selling never takes more than is held.
  const int32_t most = m_page == PageSell ? held : MostHeld - held;
  int32_t quantity = row.quantity + delta;
  if (most < quantity) {
    quantity = most;
  } else if (quantity < 0) {
    quantity = 0;
  }
  row.quantity = quantity;
  RebuildCart();
}

void MenuShop::MoveListCursorDown() {
  const auto shown = static_cast<uint32_t>(m_visibleItems.size());
  switch (ListWindow::Down(m_listItems.size(), shown, m_listTop, VisibleRows, m_listCursor)) {
    case ListWindow::Step::Highlight:
      m_listHighlight->SetAltPosition(m_listHighlight->altPosition + Vector3{0.0f, RowPitch, 0.0f});
      break;
    case ListWindow::Step::Scroll:
      SetListTop(m_listTop + 1);
      m_scrollBar->SetValue(m_scrollBar->value + 1.0f);
      break;
    case ListWindow::Step::None:
      break;
  }
}

void MenuShop::MoveListCursorUp() {
  switch (ListWindow::Up(m_listItems.size(), m_listTop, m_listCursor)) {
    case ListWindow::Step::Highlight:
      m_listHighlight->SetAltPosition(m_listHighlight->altPosition - Vector3{0.0f, RowPitch, 0.0f});
      break;
    case ListWindow::Step::Scroll:
      SetListTop(m_listTop - 1);
      m_scrollBar->SetValue(m_scrollBar->value - 1.0f);
      break;
    case ListWindow::Step::None:
      break;
  }
}

void MenuShop::NextTab() {
  const int32_t tab = OpenTabOfPage();
  OpenTab(tab >= 0 && tab < ItemsTab ? tab + 1 : 0);
}

void MenuShop::PreviousTab() {
  const int32_t tab = OpenTabOfPage();
  OpenTab(tab > 0 && tab <= ItemsTab ? tab - 1 : ItemsTab);
}

float MenuShop::Tokens() const { return m_player ? m_player->Tokens() : 0.0f; }

bool MenuShop::CartAffordable() const { return Tokens() - m_cartTotal >= 0.0f; }

void MenuShop::OpenConfirmation() {
  StepOfPage() = StepConfirming;
  // A sale is always possible; a purchase only when the cart can be paid.
  const bool payable = m_page == PageSell || CartAffordable();
  m_confirmSelection = payable ? ConfirmAccept : ConfirmCancel;
  PlaceConfirmMarker();
  // The list now shows the tab's marked items only.
  OpenTab(OpenTabOfPage());
}

void MenuShop::SelectConfirmCancel() {
  m_confirmSelection = ConfirmCancel;
  PlaceConfirmMarker();
}

void MenuShop::SelectConfirmAccept() {
  if (m_confirmSelection != ConfirmCancel) return;
  if (m_page == PageBuy && !CartAffordable()) return;
  m_confirmSelection = ConfirmAccept;
  PlaceConfirmMarker();
}

void MenuShop::CancelConfirmation() {
  StepOfPage() = StepBrowsing;
  OpenTab(OpenTabOfPage());
}

void MenuShop::CompleteTrade() {
  if (m_confirmSelection == ConfirmCancel) {
    CancelConfirmation();
    return;
  }
  const bool selling = m_page == PageSell;
  // A purchase needs no check of the tokens here: the dialog accepts only a cart they pay for.
  if (m_player && m_player->itemStore) {
    Trade(selling ? Selling : Buying, m_cart, *m_player->itemStore);
    m_player->SetTokens(m_player->Tokens() + (selling ? m_cartTotal : -m_cartTotal));
    // Equipment sold to the last piece leaves its slot.
    if (selling) m_player->UnequipDepletedItems();
  }
  OpenPage(selling ? PageSell : PageBuy);
}
