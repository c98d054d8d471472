#include "editor/PageWidgets.h"

#include <algorithm>
#include <stdexcept>

#include "editor/DebugButton.h"
#include "engine/TextBox.h"

void PageWidgets::Add(const DebugButton& button) {
  m_entries.push_back({button.Label(), &button.Face(), &button, nullptr});
}

void PageWidgets::Add(std::string label, const Quad& face) {
  m_entries.push_back({std::move(label), &face, nullptr, nullptr});
}

void PageWidgets::Add(std::string caption, const TextBox& field) {
  m_entries.push_back({std::move(caption), field.box.get(), nullptr, &field});
}

const PageWidgets::Entry& PageWidgets::Find(std::string_view text, bool field) const {
  const auto found = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& entry) {
    return entry.text == text && (entry.field != nullptr) == field;
  });
  if (found == m_entries.end()) {
    throw std::out_of_range(std::string(field ? "no field \"" : "no button \"") +
                            std::string(text) + "\" on this page");
  }
  return *found;
}

const Quad& PageWidgets::Button(std::string_view label) const { return *Find(label, false).face; }

bool PageWidgets::Enabled(std::string_view label) const {
  const Entry& entry = Find(label, false);
  return !entry.button || entry.button->Enabled();
}

const TextBox& PageWidgets::Field(std::string_view caption) const {
  return *Find(caption, true).field;
}

std::vector<const Quad*> PageWidgets::Faces() const {
  std::vector<const Quad*> faces;
  for (const Entry& entry : m_entries) faces.push_back(entry.face);
  return faces;
}
