#include "platform/wildcard.h"

#include <gtest/gtest.h>

#include <string>

TEST(Wildcard, MatchesLikeAFileSearch) {
    struct TCase {
        const char* Pattern;
        const char* Name;
        bool Matches;
    };
    const TCase cases[] = {
        {"*.xa", "intro.xa", true},
        {"*.xa", ".xa", true}, // a leading dot is an ordinary character
        {"*.xa", "intro.xa.wav", false},
        {"*.xa", "intro.XA", false}, // case-sensitive
        {"*", "a", true},
        {"*", ".hidden", true},
        {"*.*", "noext", false},
        {"*.*", "a.b.c", true},
        {"?", "", false},
        {"?", "a", true},
        {"?", "ab", false},
        {"?.xa", "é.xa", true}, // one character of two bytes
        {"??.xa", "é.xa", false},
        {"a*b*c", "aXbYc", true},
        {"a*b*c", "abcab", false},
        {"a*b*c", "abbbcbc", true},
        {"*a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
        {"intro.xa", "intro.xa", true},
        {"intro.xa", "intro.x", false},
        {"[ab].xa", "[ab].xa", true}, // brackets are not special
        {"[ab].xa", "a.xa", false},
        {"a\\b", "a\\b", true},
        {"**", "", true},
        {"x*", "x", true},
        {"*x", "yx#0.wav", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MatchWildcard(c.Pattern, c.Name), c.Matches) << c.Pattern << " vs " << c.Name;
    }
}

TEST(Wildcard, LongNamesDoNotBacktrackExponentially) {
    const std::string name(4000, 'a');
    EXPECT_FALSE(MatchWildcard("*a*a*a*a*a*a*a*a*a*a*b", name));
    EXPECT_TRUE(MatchWildcard("*a*a*a*a*a*a*a*a*a*a*", name));
}

TEST(Wildcard, KnowsWhichPatternsHoldWildcards) {
    EXPECT_TRUE(HasWildcards("*.xa"));
    EXPECT_TRUE(HasWildcards("a?"));
    EXPECT_FALSE(HasWildcards("intro.xa"));
    EXPECT_FALSE(HasWildcards(""));
}
