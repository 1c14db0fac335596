#include "catalogue/itemcatalogue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>

namespace {

using ItemCatalogue::count;
using ItemCatalogue::label;

// Below 0x100 the number is the id's two bytes as stored, low byte first: "CD00" at 0xCD.
TEST(ItemCatalogue, NumbersEachLabelAsTheIdIsStored)
{
    const std::pair<int, const char *> labels[] = {
        {0x000, "0000 [EMPTY]"}, {0x046, "4600 NONE "},        {0x0CD, "CD00 EMERALD RING "},
        {0x100, "0100 TENT "},   {0x144, "0144 VELMORA SEAL"}, {count, ""},
    };
    for (const auto &[position, text] : labels)
        EXPECT_EQ(label(position), text) << position;
}

// Every name: at most 17 capitals, digits and marks, single spaced, naming one
// item only (but for "NONE", the two unused ids, and the crest that is also a key item).
TEST(ItemCatalogue, EveryNameKeepsTheNamingRules)
{
    std::map<std::string, int> seen;
    for (int p = 0; p < count; ++p) {
        const std::string text = label(p);
        const std::string name = text.substr(5, text.find_last_not_of(' ') - 4);
        EXPECT_LE(name.size(), 17u) << p;
        EXPECT_EQ(name.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0 '.-()[]"), name.npos) << p;
        EXPECT_TRUE(name.front() != ' ' && name.find("  ") == name.npos) << p;
        ++seen[name];
    }
    for (const auto &[name, times] : seen)
        EXPECT_EQ(times, name == "NONE" || name == "WARDEN'S CREST" ? 2 : 1) << name;
}

TEST(ItemCatalogue, ConvertsBetweenStoredIdsAndListPositions)
{
    const std::optional<int> none;
    const std::map<int, std::optional<int>> positions = {
        {-1, -1},    {0, 0},         {1, 1},     {0x100, 0x100}, {324, 324},
        {325, none}, {0x7FFF, none}, {-2, none}, {-32768, none},
    };
    for (const auto &[id, position] : positions)
        EXPECT_EQ(ItemCatalogue::positionForId(id), position) << "id " << id;
    EXPECT_EQ(std::uint16_t(ItemCatalogue::idForPosition(-1)), 0xFFFF);
    // Two labels begin "0100"; only the position tells them apart.
    EXPECT_EQ(label(0x001).substr(0, 5), label(0x100).substr(0, 5));
}

} // namespace
