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

TEST(ItemCatalogue, EveryLabelKeepsTheLabelRules)
{
    std::size_t longest = 0;
    std::map<std::string, int> seen;
    for (int p = 0; p < count; ++p) {
        SCOPED_TRACE("position " + std::to_string(p));
        const std::string text = label(p);
        const bool trailing = p != 0x000 && p != 0x0E0 && p != 0x0F0 && p != 0x144;
        ASSERT_GE(text.size(), 4u + 1 + 3 + trailing);
        EXPECT_EQ(text[4], ' ');
        EXPECT_EQ(text.back() == ' ', trailing);
        const std::string name = text.substr(5, text.size() - 5 - trailing);
        EXPECT_LE(name.size(), 17u);
        EXPECT_EQ(name.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0 '.-()[]"), std::string::npos);
        EXPECT_TRUE(name.front() != ' ' && name.back() != ' ' && name.find("  ") == name.npos);
        longest = std::max(longest, text.size());
        ++seen[name];
    }
    EXPECT_EQ(longest, 23u);
    // Only the two placeholder rows and the item at 0x031 and 0x12B share a name.
    const std::string shared = label(0x031).substr(5, label(0x031).size() - 6);
    EXPECT_EQ(label(0x12B), "012B " + shared + " ");
    for (const auto &[name, times] : seen)
        EXPECT_EQ(times, name == "NONE" || name == shared ? 2 : 1) << name;
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
