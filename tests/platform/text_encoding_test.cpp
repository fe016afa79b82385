#include <gtest/gtest.h>

#include "platform/text_encoding.h"

namespace tess {
namespace {

TEST(Windows1252, FrenchTextRoundTripsByteForByte) {
    const std::string text = "Écartelé: au 1 d'or à l'aigle de sable, œil « brochant » — 5 €";
    const auto bytes = utf8ToWindows1252(text);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->size(), characterCount(text));
    EXPECT_EQ(std::uint8_t((*bytes)[0]), 0xC9);                    // É
    EXPECT_EQ(std::uint8_t(bytes->back()), 0x80);                  // €
    EXPECT_EQ(std::uint8_t((*bytes)[bytes->find('\x9C')]), 0x9C);  // œ
    EXPECT_EQ(windows1252ToUtf8(*bytes), text);
}

TEST(Windows1252, EveryByteReadsBackToItself) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += char(b);
    const std::string text = windows1252ToUtf8(all);
    EXPECT_EQ(characterCount(text), 255u);
    EXPECT_EQ(utf8ToWindows1252(text), all);
}

TEST(Windows1252, CharactersItCannotHoldAreRefused) {
    // U+0080 has no byte of its own; then a character cut in the middle, an overlong one.
    for (const char* text : {"Lion ♌", "Łódź", "\xC2\x80", "caf\xC3", "\xC0\xAF"})
        EXPECT_FALSE(utf8ToWindows1252(text).has_value()) << text;
    EXPECT_FALSE(fitsWindows1252("😀"));
    EXPECT_TRUE(fitsWindows1252("Ÿ œ Š ž ‰ ™"));
    EXPECT_EQ(utf8ToWindows1252(""), std::string());
}

TEST(TextByCharacter, LowerCasingWorksOnLettersNotBytes) {
    EXPECT_EQ(lowerFirstCharacter("Écusson"), "écusson");
    EXPECT_EQ(lowerFirstCharacter("Or"), "or");
    EXPECT_EQ(lowerFirstCharacter("« Lion »"), "« Lion »");
    EXPECT_EQ(lowerFirstCharacter(""), "");
    EXPECT_EQ(lowerCase("ÉCARTELÉ EN SAUTOIR, ŒIL ŸÇ ×"), "écartelé en sautoir, œil ÿç ×");
}

TEST(TextByCharacter, CountsAndCutsNeverSplitACharacter) {
    EXPECT_EQ(characterCount("Gueules"), 7u);
    EXPECT_EQ(characterCount("Orangé"), 6u);
    EXPECT_EQ(characterCount("à l'épée"), 8u);
    EXPECT_EQ(characterCount("a\xFF"
                             "b"),
              3u);  // a broken byte is one character
    EXPECT_EQ(leftCharacters("éléphant", 3), "élé");
    EXPECT_EQ(leftCharacters("or", 5), "or");
    EXPECT_EQ(dropLastCharacters("chargé, ", 2), "chargé");
    EXPECT_EQ(dropLastCharacters("à", 1), "");
    EXPECT_EQ(dropLastCharacters("à", 4), "");
}

}  // namespace
}  // namespace tess
