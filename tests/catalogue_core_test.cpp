#include "catalogue/itemcatalogue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>

namespace {

using namespace ItemCatalogue;

// Below 0x100 the number is the id's two bytes as stored, low byte first: "CD00" at 0xCD.
// An id of no entry has no position, -1 (0xFFFF, nothing) excepted.
TEST(ItemCatalogue, NumbersEachLabelAsStoredAndMapsIdsToPositions)
{
    const std::pair<int, const char *> labels[] = {
        {0x000, "0000 [EMPTY]"}, {0x046, "4600 NONE "},        {0x0CD, "CD00 EMERALD RING "},
        {0x100, "0100 TENT "},   {0x144, "0144 VELMORA SEAL"}, {count, ""},
    };
    for (const auto &[position, text] : labels)
        EXPECT_EQ(label(position), text) << position;
    const std::map<int, std::optional<int>> positions = {
        {-1, -1}, {0, 0}, {0x100, 0x100}, {324, 324}, {325, {}}, {-2, {}}, {-32768, {}}};
    for (const auto &[id, position] : positions)
        EXPECT_EQ(positionForId(id), position) << "id " << id;
    EXPECT_EQ(std::uint16_t(idForPosition(-1)), 0xFFFF);
}

} // namespace
