// The item-name table alone, one line per item id: long by nature, and read
// as a list, so it stays whole rather than split across files.
#include "catalogue/itemnames.h"

namespace ItemCatalogue {

// One name per item id. The runs follow the game's own grouping; "NONE" marks
// two ids the game leaves unused, and one crest is both a shield and a key item.
const std::array<const char *, count> itemNames = {
    "[EMPTY]", // 0x000
    // swords, daggers, axes, maces and spears
    "SHORT SWORD",    // 0x001
    "LONG SWORD",     // 0x002
    "BROADSWORD",     // 0x003
    "BASTARD SWORD",  // 0x004
    "FALCHION",       // 0x005
    "SABRE",          // 0x006
    "RAPIER",         // 0x007
    "ESTOC",          // 0x008
    "CLAYMORE",       // 0x009
    "FLAMBERGE",      // 0x00A
    "KNIGHT'S BLADE", // 0x00B
    "RUNE SWORD",     // 0x00C
    "FROSTBRAND",     // 0x00D
    "EMBER BLADE",    // 0x00E
    "DAGGER",         // 0x00F
    "DIRK",           // 0x010
    "STILETTO",       // 0x011
    "KRIS KNIFE",     // 0x012
    "MAIN GAUCHE",    // 0x013
    "THIEF'S KNIFE",  // 0x014
    "HAND AXE",       // 0x015
    "BATTLE AXE",     // 0x016
    "WAR AXE",        // 0x017
    "GREAT AXE",      // 0x018
    "HALBERD",        // 0x019
    "CLUB",           // 0x01A
    "MACE",           // 0x01B
    "MORNING STAR",   // 0x01C
    "FLAIL",          // 0x01D
    "WAR HAMMER",     // 0x01E
    "SPEAR",          // 0x01F
    "PIKE",           // 0x020
    "LANCE",          // 0x021
    "TRIDENT",        // 0x022
    "GLAIVE",         // 0x023
    "PARTISAN",       // 0x024
    "CUTLASS",        // 0x025
    "SCIMITAR",       // 0x026
    "KATANA",         // 0x027
    "HERO'S SWORD",   // 0x028
    // shields
    "WOODEN SHIELD",   // 0x029
    "BUCKLER",         // 0x02A
    "ROUND SHIELD",    // 0x02B
    "TARGE",           // 0x02C
    "KITE SHIELD",     // 0x02D
    "HEATER SHIELD",   // 0x02E
    "TOWER SHIELD",    // 0x02F
    "BRONZE SHIELD",   // 0x030
    "WARDEN'S CREST",  // 0x031
    "IRON SHIELD",     // 0x032
    "STEEL SHIELD",    // 0x033
    "SPIKED SHIELD",   // 0x034
    "SCALE SHIELD",    // 0x035
    "MIRROR SHIELD",   // 0x036
    "DRAGON SHIELD",   // 0x037
    "RUNE SHIELD",     // 0x038
    "CRYSTAL SHIELD",  // 0x039
    "GUARDIAN SHIELD", // 0x03A
    "SUN SHIELD",      // 0x03B
    "MOON SHIELD",     // 0x03C
    // staves and rods
    "OAK STAFF",    // 0x03D
    "ASH STAFF",    // 0x03E
    "MAGE'S ROD",   // 0x03F
    "CRYSTAL ROD",  // 0x040
    "FLAME ROD",    // 0x041
    "ICE ROD",      // 0x042
    "THUNDER ROD",  // 0x043
    "HOLY STAFF",   // 0x044
    "SAGE'S STAFF", // 0x045
    "NONE",         // 0x046
    // helmets, hats and circlets
    "LEATHER CAP",     // 0x047
    "BANDANA",         // 0x048
    "FELT HAT",        // 0x049
    "WIZARD HAT",      // 0x04A
    "HEADBAND",        // 0x04B
    "BRONZE HELM",     // 0x04C
    "IRON HELM",       // 0x04D
    "STEEL HELM",      // 0x04E
    "BASCINET",        // 0x04F
    "SALLET",          // 0x050
    "ARMET",           // 0x051
    "HORNED HELM",     // 0x052
    "WINGED HELM",     // 0x053
    "GREAT HELM",      // 0x054
    "BARBUTE",         // 0x055
    "MYTHRIL HELM",    // 0x056
    "CIRCLET",         // 0x057
    "SILVER CIRCLET",  // 0x058
    "TIARA",           // 0x059
    "CROWN OF THORNS", // 0x05A
    "HOOD",            // 0x05B
    "MONK'S COWL",     // 0x05C
    "FEATHER HAT",     // 0x05D
    "PLUMED HAT",      // 0x05E
    "HUNTER'S CAP",    // 0x05F
    "NONE",            // 0x060
    // more helmets
    "IRON MASK",     // 0x061
    "DRAGON HELM",   // 0x062
    "RUNE HELM",     // 0x063
    "CRYSTAL HELM",  // 0x064
    "GOLD HELM",     // 0x065
    "SAGE'S HAT",    // 0x066
    "WITCH HAT",     // 0x067
    "RIBBON",        // 0x068
    "HAIR PIN",      // 0x069
    "VISORED HELM",  // 0x06A
    "KNIGHT'S HELM", // 0x06B
    "SKULL CAP",     // 0x06C
    "SERPENT CROWN", // 0x06D
    "STAR TIARA",    // 0x06E
    "OBSIDIAN HELM", // 0x06F
    // body armour, robes and cloaks
    "CLOTHES",           // 0x070
    "TRAVELER'S GARB",   // 0x071
    "LEATHER VEST",      // 0x072
    "LEATHER ARMOR",     // 0x073
    "STUDDED LEATHER",   // 0x074
    "HIDE ARMOR",        // 0x075
    "PADDED JACK",       // 0x076
    "CHAIN SHIRT",       // 0x077
    "CHAIN MAIL",        // 0x078
    "RING MAIL",         // 0x079
    "SCALE MAIL",        // 0x07A
    "BRONZE ARMOR",      // 0x07B
    "IRON ARMOR",        // 0x07C
    "STEEL ARMOR",       // 0x07D
    "BREASTPLATE",       // 0x07E
    "HALF PLATE",        // 0x07F
    "FULL PLATE",        // 0x080
    "BANDED MAIL",       // 0x081
    "SPLINT MAIL",       // 0x082
    "BRIGANDINE",        // 0x083
    "KNIGHT'S ARMOR",    // 0x084
    "SILVER MAIL",       // 0x085
    "MYTHRIL MAIL",      // 0x086
    "MYTHRIL VEST",      // 0x087
    "DRAGONSCALE ARMOR", // 0x088
    "RUNE ARMOR",        // 0x089
    "CRYSTAL MAIL",      // 0x08A
    "GOLD ARMOR",        // 0x08B
    "DIAMOND ARMOR",     // 0x08C
    "OBSIDIAN PLATE",    // 0x08D
    "ROBE",              // 0x08E
    "SILK ROBE",         // 0x08F
    "LINEN ROBE",        // 0x090
    "MAGE'S ROBE",       // 0x091
    "SAGE'S ROBE",       // 0x092
    "WHITE ROBE",        // 0x093
    "BLACK ROBE",        // 0x094
    "PRIEST'S ROBE",     // 0x095
    "MONK'S VESTMENT",   // 0x096
    "DANCER'S DRESS",    // 0x097
    "SHADOW GARB",       // 0x098
    "THIEF'S CLOAK",     // 0x099
    "ELVEN CLOAK",       // 0x09A
    "BATTLE DRESS",      // 0x09B
    "WAR COAT",          // 0x09C
    "FUR COAT",          // 0x09D
    "SNOW CLOAK",        // 0x09E
    "FLAME MAIL",        // 0x09F
    "HOLY MANTLE",       // 0x0A0
    // gloves, bracers and gauntlets
    "LEATHER GLOVES",   // 0x0A1
    "COTTON GLOVES",    // 0x0A2
    "BRONZE BRACERS",   // 0x0A3
    "IRON BRACERS",     // 0x0A4
    "STEEL BRACERS",    // 0x0A5
    "LEATHER BRACERS",  // 0x0A6
    "GAUNTLETS",        // 0x0A7
    "IRON GAUNTLETS",   // 0x0A8
    "STEEL GAUNTLETS",  // 0x0A9
    "SPIKED GAUNTLETS", // 0x0AA
    "KNIGHT'S GLOVES",  // 0x0AB
    "ARCHER'S GLOVES",  // 0x0AC
    "THIEF'S GLOVES",   // 0x0AD
    "SILK GLOVES",      // 0x0AE
    "MAGE'S GLOVES",    // 0x0AF
    "POWER WRIST",      // 0x0B0
    "WRISTGUARD",       // 0x0B1
    "ARMGUARD",         // 0x0B2
    "VAMBRACE",         // 0x0B3
    "SILVER BRACERS",   // 0x0B4
    "GOLD BRACERS",     // 0x0B5
    "MYTHRIL ARMLET",   // 0x0B6
    "CRYSTAL ARMLET",   // 0x0B7
    "RUNE BRACERS",     // 0x0B8
    "DRAGON GAUNTLETS", // 0x0B9
    "GIANT'S GLOVES",   // 0x0BA
    "BRASS KNUCKLES",   // 0x0BB
    "BONE BANGLE",      // 0x0BC
    "COPPER BANGLE",    // 0x0BD
    "SILVER BANGLE",    // 0x0BE
    "GOLD BANGLE",      // 0x0BF
    "JADE ARMLET",      // 0x0C0
    "RUBY ARMLET",      // 0x0C1
    "HERO'S GAUNTLETS", // 0x0C2
    "WARDEN'S BRACERS", // 0x0C3
    "FLAME GLOVES",     // 0x0C4
    "FROST GLOVES",     // 0x0C5
    "STORM BRACERS",    // 0x0C6
    "EARTH GLOVES",     // 0x0C7
    "HOLY GAUNTLETS",   // 0x0C8
    // rings, charms and other accessories
    "SILVER RING",   // 0x0C9
    "GOLD RING",     // 0x0CA
    "RUBY RING",     // 0x0CB
    "SAPPHIRE RING", // 0x0CC
    "EMERALD RING",  // 0x0CD
    "TOPAZ RING",    // 0x0CE
    "DIAMOND RING",  // 0x0CF
    "RING OF REGEN", // 0x0D0
    "PROTECT RING",  // 0x0D1
    "ANGEL RING",    // 0x0D2
    "POWER RING",    // 0x0D3
    "SPEED RING",    // 0x0D4
    "AMULET",        // 0x0D5
    "STAR PENDANT",  // 0x0D6
    "MOON PENDANT",  // 0x0D7
    "SUN PENDANT",   // 0x0D8
    "LUCKY CHARM",   // 0x0D9
    "RABBIT'S FOOT", // 0x0DA
    "TALISMAN",      // 0x0DB
    "WARD CHARM",    // 0x0DC
    "BLACK BELT",    // 0x0DD
    "HERO'S MEDAL",  // 0x0DE
    "SILVER MEDAL",  // 0x0DF
    "EAGLE FEATHER", // 0x0E0
    "FAIRY EARRING", // 0x0E1
    "PEARL EARRING", // 0x0E2
    "SAGE'S BROOCH", // 0x0E3
    "GOLD BROOCH",   // 0x0E4
    "SWIFT BOOTS",   // 0x0E5
    "IRON BOOTS",    // 0x0E6
    "WINGED BOOTS",  // 0x0E7
    "MAGIC SASH",    // 0x0E8
    "SILK SASH",     // 0x0E9
    "ROSARY",        // 0x0EA
    "MIRROR BADGE",  // 0x0EB
    "SPIRIT STONE",  // 0x0EC
    "DRAGON FANG",   // 0x0ED
    "PHOENIX CHARM", // 0x0EE
    "OATH RING",     // 0x0EF
    // potions, remedies, food, bombs, scrolls and seeds
    "POTION",         // 0x0F0
    "HI-POTION",      // 0x0F1
    "X-POTION",       // 0x0F2
    "MEGA POTION",    // 0x0F3
    "ETHER",          // 0x0F4
    "HI-ETHER",       // 0x0F5
    "ELIXIR",         // 0x0F6
    "FULL ELIXIR",    // 0x0F7
    "PHOENIX DOWN",   // 0x0F8
    "ANTIDOTE",       // 0x0F9
    "EYE DROPS",      // 0x0FA
    "ECHO HERB",      // 0x0FB
    "GOLD NEEDLE",    // 0x0FC
    "SMELLING SALTS", // 0x0FD
    "HOLY WATER",     // 0x0FE
    "REMEDY",         // 0x0FF
    "TENT",           // 0x100
    "COTTAGE",        // 0x101
    "SLEEPING BAG",   // 0x102
    "HERB",           // 0x103
    "HEALING HERB",   // 0x104
    "MOONLEAF",       // 0x105
    "BITTER ROOT",    // 0x106
    "HONEY JAR",      // 0x107
    "ROAST MEAT",     // 0x108
    "TRAIL BREAD",    // 0x109
    "APPLE",          // 0x10A
    "WILD BERRIES",   // 0x10B
    "FISH STEW",      // 0x10C
    "SMOKE BOMB",     // 0x10D
    "FIRE BOMB",      // 0x10E
    "ICE BOMB",       // 0x10F
    "SPARK BOMB",     // 0x110
    "SCROLL OF FIRE", // 0x111
    "SCROLL OF ICE",  // 0x112
    "SCROLL OF WIND", // 0x113
    "SCROLL OF WARD", // 0x114
    "WING OF RETURN", // 0x115
    "WARP STONE",     // 0x116
    "POWER SEED",     // 0x117
    "SPEED SEED",     // 0x118
    "MIND SEED",      // 0x119
    "VIGOR SEED",     // 0x11A
    "SPIRIT SEED",    // 0x11B
    "LUCK SEED",      // 0x11C
    "DRAGON TEAR",    // 0x11D
    "ANGEL FEATHER",  // 0x11E
    "MAGIC WATER",    // 0x11F
    // keys, letters and other key items
    "RUSTY KEY",        // 0x120
    "IRON KEY",         // 0x121
    "SILVER KEY",       // 0x122
    "GOLD KEY",         // 0x123
    "SKELETON KEY",     // 0x124
    "PRISON KEY",       // 0x125
    "TOWER KEY",        // 0x126
    "ROYAL PASS",       // 0x127
    "SHIP TICKET",      // 0x128
    "LETTER [SEALED]",  // 0x129
    "KING'S LETTER",    // 0x12A
    "WARDEN'S CREST",   // 0x12B
    "OLD MAP (TORN)",   // 0x12C
    "SEA CHART",        // 0x12D
    "STAR CHART",       // 0x12E
    "LANTERN",          // 0x12F
    "ROPE",             // 0x130
    "PICKAXE",          // 0x131
    "SHEPHERD'S FLUTE", // 0x132
    "MUSIC BOX",        // 0x133
    "MOON CRYSTAL",     // 0x134
    "SUN CRYSTAL",      // 0x135
    "WIND CRYSTAL",     // 0x136
    "EARTH CRYSTAL",    // 0x137
    "WATER CRYSTAL",    // 0x138
    "FIRE CRYSTAL",     // 0x139
    "ELDER'S TOME",     // 0x13A
    "BROKEN SWORD",     // 0x13B
    "DRAGON EGG",       // 0x13C
    "MERMAID SCALE",    // 0x13D
    "GRAVE FLOWER",     // 0x13E
    "ST. ALDA'S BEADS", // 0x13F
    "MINER'S BADGE",    // 0x140
    "GUILD CARD",       // 0x141
    "ORB OF DAWN",      // 0x142
    "ORB OF DUSK",      // 0x143
    "VELMORA SEAL",     // 0x144
};

} // namespace ItemCatalogue
