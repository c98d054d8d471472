#include "npcs/NPCCast.h"

namespace {

constexpr const char* CharactersFolder = "Content\\Textures\\Characters\\";

constexpr const char* JenniferDescription =
    "A cute girl who makes a living as a loot-vendor.||Despite scouring battlefields for scraps "
    "to sell, it's a wonder how she's still alive, though some suspect that it's due to an "
    "inherent sense for danger, her cute and helpless demeaner, or just plain luck.||Most "
    "likely, it's a little of each.";

constexpr std::array<CastMember, NPCKindCount> CastTable{{
    {"Jennifer", 2.2924879f, JenniferDescription}, {"Carolyn", 2.59f, "Carolyn description."},
    {"Charlie", 2.4468f, "Charlie description."},  {"Girvin", 1.81f, "Girvin Description."},
    {"Hazel", 2.64f, "Hazel description."},        {"Horus", 2.66457f, "Horus description."},
    {"Isadora", 2.6176f, "Isadora description."},  {"Kaetlyn", 2.688f, "Kaetlyn description."},
    {"Kavi", 2.547f, "Kavi description."},         {"Miche", 2.735f, "Miche description."},
    {"Naomi", 2.735f, "Naomi description."},       {"Nia", 1.8465f, "Nia description."},
    {"Oren", 2.594f, "Oren description."},         {"Sealth", 2.5468f, "Sealth description."},
    {"Sophiya", 2.4668f, "Sophiya description."},  {"Sybil", 2.688f, "Sybil description."},
    {"Tessa", 2.8054f, "Tessa description."},      {"Verrill", 2.7115f, "Verrill description."},
    {"Veruliya", 2.5f, "Veruliya description."},
}};

std::string CharacterFile(const CastMember& member, const char* ending) {
  return std::string(CharactersFolder) + member.name + '\\' + member.name + ending;
}

}  // namespace

const std::array<CastMember, NPCKindCount>& Cast() { return CastTable; }

bool IsNPCKind(long long kind) { return kind >= 0 && kind < NPCKindCount; }

std::string SheetPath(const CastMember& member) { return CharacterFile(member, ".png"); }

std::string PortraitPath(const CastMember& member) {
  return CharacterFile(member, "_portrait.png");
}
