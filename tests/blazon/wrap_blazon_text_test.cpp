#include <gtest/gtest.h>

#include <string>

#include "blazon/wrap_blazon_text.h"
#include "platform/text_encoding.h"

namespace tess {
namespace {

// Six pixels a character, as a fixed-width font would measure.
int sixPixels(const std::string& text) {
    return int(characterCount(text)) * 6;
}

TEST(WrapBlazonText, CutsAtBlanksFromAStartTheWholeTextGives) {
    struct Case {
        const char* what;
        std::string text;
        float page;
        std::string lines;
    };
    const Case cases[] = {
        {"narrower than the page", "D'azur au lion d'or.", 200.0f, "D'azur au lion d'or."},
        {"as wide as the page is cut", "aaaa bbbb", 54.0f, "aaaa \r\nbbbb"},
        // 30 characters, 180 px on 60 px: n = 180 \ 60 + 1 = 4, start 30 \ 4 - 2 = 5;
        // the last rest, 30 px, is narrower than the page.
        {"several lines, blanks kept", "Coupé d'or et de gueules plein", 60.0f,
         "Coupé \r\nd'or \r\net de \r\ngueules \r\nplein"},
        {"no blank after the start: the rest is the last line", "a bcdefghijklmnopqrstuvwxyz",
         30.0f, "a \r\nbcdefghijklmnopqrstuvwxyz"},
        // n = 66 \ 3 + 1 = 23, start 11 \ 23 - 2 below 1: taken as 1.
        {"tiny page: start taken as 1", "a b c d e f", 2.65f, "a \r\nb \r\nc \r\nd \r\ne \r\nf"},
        {"accented letters count as one character", "éé éé éé éé", 30.0f,
         "éé \r\néé \r\néé \r\néé"},
        {"empty text", "", 10.0f, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(WrapBlazonText(c.text, c.page, sixPixels), c.lines);
    }
}

TEST(WrapBlazonText, EndsOnTextsMadeOfBlanksOrWithoutAny) {
    for (const std::string& text : {std::string(500, ' '), std::string(500, 'x'),
                                    std::string("x ") + std::string(300, 'y')}) {
        const std::string wrapped = WrapBlazonText(text, 3.0f, sixPixels);
        std::string joined;
        for (char c : wrapped)
            if (c != '\r' && c != '\n') joined += c;
        EXPECT_EQ(joined, text);  // nothing lost, nothing doubled
    }
}

}  // namespace
}  // namespace tess
