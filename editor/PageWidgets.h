#pragma once

#include <string>
#include <string_view>
#include <vector>

class DebugButton;
class Quad;
class TextBox;

// What a page of the debug menu shows to be pressed or typed into, each found by what it says:
// a button by its label, a field by its caption. A page lists its widgets as it builds them.
class PageWidgets {
 public:
  void Add(const DebugButton& button);
  // A plain face with its caption drawn over it.
  void Add(std::string label, const Quad& face);
  void Add(std::string caption, const TextBox& field);

  // The face of the button that says the label; std::out_of_range when none does.
  const Quad& Button(std::string_view label) const;
  // Whether that button takes presses: a plain face always does.
  bool Enabled(std::string_view label) const;
  const TextBox& Field(std::string_view caption) const;
  // Every face and every field's box, in the order listed.
  std::vector<const Quad*> Faces() const;

 private:
  struct Entry {
    std::string text;
    const Quad* face = nullptr;
    const DebugButton* button = nullptr;
    const TextBox* field = nullptr;
  };
  const Entry& Find(std::string_view text, bool field) const;

  std::vector<Entry> m_entries;
};
