#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

class ModifierShape;
class Shape;
class World;

// What the level editor shows and changes of a trigger kind, and how it makes one: each kind
// describes them beside its map record (world/TriggerRecords.h), and the editor builds its
// property rows and its convert menu from them. A description's reads and writes are handed
// only triggers of its own kind.

// Where a number field stands in its row: alone, or first or second of two sharing the row.
enum class FieldColumn : int32_t { Alone, FirstOfTwo, SecondOfTwo };

// A decimal field with its caption left of it.
struct NumberWidget {
  FieldColumn column;
  // What the field holds before a trigger's value is shown in it.
  std::string startText;
  std::function<float(const ModifierShape&)> read;
  std::function<void(ModifierShape&, float)> write;
};

// A check box with its label right of it.
struct CheckBoxWidget {
  std::function<bool(const ModifierShape&)> read;
  std::function<void(ModifierShape&, bool)> write;
};

// A button that opens the list of maps: the map chosen is written as its whole path. The name
// read stands in the panel's info box.
struct MapChoiceWidget {
  std::function<std::string(const ModifierShape&)> name;
  std::function<void(ModifierShape&, const std::string&)> write;
};

// A toggle button: while it is down, the next press on the map writes the shape there, or
// none. The name read stands in the panel's info box.
struct ShapeChoiceWidget {
  std::function<std::string(const ModifierShape&)> name;
  std::function<void(ModifierShape&, Shape*)> write;
};

// One value of a trigger kind, as the editor's property panel shows it.
struct TriggerField {
  // The field's caption, the check box's label or the button's text.
  std::string label;
  // The panel's rows count from 0 at its top.
  int32_t row;
  std::variant<NumberWidget, CheckBoxWidget, MapChoiceWidget, ShapeChoiceWidget> widget;
};

// The convert menu's item that turns the selected shape into a trigger of the kind.
struct TriggerConversion {
  std::string label;
  // A trigger on the region with the values a new one starts from.
  std::function<std::unique_ptr<ModifierShape>(World&, std::unique_ptr<Shape>)> make;
};

// The fields of one trigger class, read and written as that class.
template <typename Trigger>
struct TriggerFieldsOf {
  static TriggerField Number(std::string label, int32_t row, float (*read)(const Trigger&),
                             void (*write)(Trigger&, float),
                             FieldColumn column = FieldColumn::Alone, std::string startText = "0") {
    return {std::move(label), row,
            NumberWidget{column, std::move(startText), Reader(read), Writer(write)}};
  }
  static TriggerField CheckBox(std::string label, int32_t row, bool (*read)(const Trigger&),
                               void (*write)(Trigger&, bool)) {
    return {std::move(label), row, CheckBoxWidget{Reader(read), Writer(write)}};
  }
  static TriggerField MapChoice(std::string label, int32_t row, std::string (*name)(const Trigger&),
                                void (*write)(Trigger&, const std::string&)) {
    return {std::move(label), row, MapChoiceWidget{Reader(name), Writer(write)}};
  }
  static TriggerField ShapeChoice(std::string label, int32_t row,
                                  std::string (*name)(const Trigger&),
                                  void (*write)(Trigger&, Shape*)) {
    return {std::move(label), row, ShapeChoiceWidget{Reader(name), Writer(write)}};
  }

 private:
  template <typename Value>
  static std::function<Value(const ModifierShape&)> Reader(Value (*read)(const Trigger&)) {
    return
        [read](const ModifierShape& trigger) { return read(static_cast<const Trigger&>(trigger)); };
  }
  template <typename Value>
  static std::function<void(ModifierShape&, Value)> Writer(void (*write)(Trigger&, Value)) {
    return [write](ModifierShape& trigger, Value value) {
      write(static_cast<Trigger&>(trigger), value);
    };
  }
};
