#include "menus/pause/PauseTab.h"

#include "menus/pause/MenuPause.h"

Font* PauseTab::LargeFace() const { return menu.GetWindow().largeFont; }

Font* PauseTab::SmallFace() const { return menu.GetWindow().smallFont; }

ItemPage& PauseTab::Page() const { return menu.GetItemPage(); }
