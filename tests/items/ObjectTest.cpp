#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "engine/Texture.h"
#include "items/Object.h"

namespace {

// A record body as the writer lays it out, value i of the sheet being i / 4.
std::string Body(const std::string& name, const std::string& price,
                 const std::string& description, const std::string& lineEnd = "\n") {
  std::string text = lineEnd + name + lineEnd;
  for (int i = 0; i < StatCount; ++i) text += std::to_string(i / 4.0f) + lineEnd;
  return text + price + lineEnd + description + lineEnd;
}

void ExpectSheetOfBody(const Object& object) {
  for (int i = 0; i < StatCount; ++i) ASSERT_EQ((*object.stats)[i], i / 4.0f) << i;
}

}  // namespace

TEST(ObjectTest, CopiesShareTheStatisticsSheet) {
  Object source("Sword");
  source.price = 12.0f;
  Object copy(source);
  (*copy.stats)[0] = 5.0f;
  EXPECT_EQ((*source.stats)[0], 5.0f);
  EXPECT_EQ(copy.GetName(), "Sword");
  EXPECT_EQ(copy.price, 12.0f);
}

TEST(ObjectTest, ReadsTheExampleBodyAndLeavesTheLastLineFeed) {
  std::istringstream in(Body("Blade of the  North", "150", "A cold, sharp blade."));
  Object object;
  EXPECT_EQ(object.Read(in), Object::ReadComplete);
  EXPECT_EQ(object.name, "Blade of the  North");
  EXPECT_EQ(object.description, "A cold, sharp blade.");
  EXPECT_EQ(object.price, 150.0f);
  ExpectSheetOfBody(object);
  EXPECT_EQ(in.peek(), '\n');
}

TEST(ObjectTest, TheFirstCharacterIsAlwaysDiscarded) {
  std::string text = Body("Axe", "1", "d");
  text[0] = 'X';
  text.insert(1, "Big ");
  std::istringstream in(text);
  Object object;
  EXPECT_EQ(object.Read(in), Object::ReadComplete);
  EXPECT_EQ(object.name, "Big Axe");
}

TEST(ObjectTest, NumbersMaySpreadOverAnyWhiteSpace) {
  std::string text = "\nName\n";
  for (int i = 0; i < StatCount; ++i) text += std::to_string(i / 4.0f) + (i % 3 ? " \t" : "\n\n");
  text += "  7\nDescription\n";
  std::istringstream in(text);
  Object object;
  EXPECT_EQ(object.Read(in), Object::ReadComplete);
  ExpectSheetOfBody(object);
  EXPECT_EQ(object.price, 7.0f);
  EXPECT_EQ(object.description, "Description");
}

TEST(ObjectTest, ACompleteBodyAtTheEndOfTheStreamIsKept) {
  std::string text = Body("Last", "3", "No line feed after me");
  text.pop_back();
  std::istringstream in(text);
  Object object;
  EXPECT_EQ(object.Read(in), Object::ReadComplete);
  EXPECT_EQ(object.description, "No line feed after me");
  EXPECT_TRUE(in.eof());
}

TEST(ObjectTest, ABodyCutShortReportsTheEndAndChangesNothing) {
  const std::string full = Body("Cut", "3", "gone");
  for (size_t cut : {size_t{0}, size_t{1}, size_t{4}, full.size() / 2, full.find("3\ngone")}) {
    std::istringstream in(full.substr(0, cut));
    Object object("Before");
    EXPECT_EQ(object.Read(in), Object::ReadEndOfStream) << cut;
    EXPECT_EQ(object.name, "Before");
    EXPECT_EQ((*object.stats)[5], 0.0f);
    EXPECT_FALSE(in);
  }
  // The price's line end is there but the description line is not.
  std::istringstream in(full.substr(0, full.size() - std::string("gone\n").size()));
  Object object;
  EXPECT_EQ(object.Read(in), Object::ReadEndOfStream);
}

TEST(ObjectTest, ABadNumberFailsTheRecordWithoutTouchingIt) {
  std::string text = Body("Bad", "3", "d");
  text.replace(text.find("\n2.000000\n") + 1, 1, "x");
  std::istringstream in(text);
  Object object("Before");
  EXPECT_EQ(object.Read(in), Object::ReadFailed);
  EXPECT_EQ(object.name, "Before");
  EXPECT_EQ((*object.stats)[0], 0.0f);
  EXPECT_FALSE(in);
}

TEST(ObjectTest, EmptyLinesAreEmptyTextsAndTheNextBodyStillReads) {
  std::string text = Body("", "3", "") + Body("Second", "4", "After the empty one").substr(1);
  std::istringstream in(text);
  Object first;
  Object second;
  EXPECT_EQ(first.Read(in), Object::ReadComplete);
  EXPECT_EQ(first.name, "");
  EXPECT_EQ(first.description, "");
  EXPECT_EQ(second.Read(in), Object::ReadComplete);
  EXPECT_EQ(second.name, "Second");
  EXPECT_EQ(second.price, 4.0f);
  EXPECT_EQ(second.description, "After the empty one");
}

TEST(ObjectTest, CarriageReturnsAreLineEndsToo) {
  const std::string text =
      Body("Windows Name", "5", "Windows text", "\r\n") + Body("Next", "6", "More", "\r\n").substr(2);
  std::istringstream in(text);
  Object first;
  Object second;
  EXPECT_EQ(first.Read(in), Object::ReadComplete);
  EXPECT_EQ(first.name, "Windows Name");
  EXPECT_EQ(first.description, "Windows text");
  ExpectSheetOfBody(first);
  EXPECT_EQ(second.Read(in), Object::ReadComplete);
  EXPECT_EQ(second.name, "Next");
  EXPECT_EQ(second.price, 6.0f);
  EXPECT_EQ(second.description, "More");
}

TEST(ObjectTextureNames, WideNameIsACopyAndNarrowNameKeepsTheLowBytes) {
  Texture texture("Content\\Textures\\Tiles\\grass.png", L"Grass\u0141", 0, 0);
  std::wstring wide = Object::GetWideName(texture);
  wide += L"!";
  EXPECT_EQ(texture.name, L"Grass\u0141");
  EXPECT_EQ(Object::GetNarrowName(texture), std::string("GrassA"));
}
