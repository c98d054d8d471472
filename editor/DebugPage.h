#pragma once

#include "editor/PageWidgets.h"

// One page of the debug menu, shown in one editor mode or in several: it owns its widgets,
// answers the input step while one of its modes is current and draws itself.
class DebugPage {
 public:
  virtual ~DebugPage() = default;

  // Every entry into the debug menu, whatever mode is current.
  virtual void Enter() {}
  // The input step while the page is shown, after the open field took its keys.
  virtual void HandleInput() = 0;
  virtual void Draw() = 0;
  // Escape leaves the debug menu with the page shown: it ends as its Cancel would.
  virtual void Cancel() {}
  // The mode changes while the page is shown.
  virtual void Leave() {}
  // What the page shows to be pressed or typed into.
  virtual const PageWidgets& Widgets() const { return m_widgets; }
  const Quad& Button(std::string_view label) const { return Widgets().Button(label); }
  bool Enabled(std::string_view label) const { return Widgets().Enabled(label); }
  const TextBox& Field(std::string_view caption) const { return Widgets().Field(caption); }

 protected:
  PageWidgets m_widgets;
};
