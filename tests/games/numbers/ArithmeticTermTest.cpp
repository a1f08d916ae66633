#include <gtest/gtest.h>

#include <string>

#include "TermTree.h"
#include "app/Random.h"
#include "games/numbers/ArithmeticTerm.h"

namespace {

constexpr int kSeeds = 400;

// Builds a term from a seed and checks it against its text read back.
void ExpectSoundTerm(uint32_t seed, int maxDepth, bool top, bool freeTop) {
    SeedRandom(seed);
    const ArithmeticTerm term(0, maxDepth, top, freeTop);
    SCOPED_TRACE("seed " + std::to_string(seed) + ", depth " + std::to_string(maxDepth) + ": " + term.Text());
    ASSERT_LT(term.Text().size(), 1000u);
    std::string text = term.Text();
    // Below the top level every operation stands in parentheses: unwrap the
    // outer pair to read it with the top-level grammar.
    if (!top && text.front() == '(') {
        ASSERT_EQ(text.back(), ')');
        text = text.substr(1, text.size() - 2);
    }
    const auto tree = TermTree::Read(text);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->FirstFault(ArithmeticTerm::kLargestProduct), "");
    EXPECT_EQ(tree->Value(), term.Value());
    EXPECT_GT(term.Value(), 0);
    EXPECT_LE(tree->Depth(), maxDepth);
    EXPECT_FALSE(top && !freeTop && maxDepth > 0 && tree->IsNumber());
    EXPECT_TRUE(top || tree->IsNumber() || term.Text().front() == '(');
}

}  // namespace

TEST(ArithmeticTermTest, EveryTermIsPositiveFollowsTheOperatorOrderAndReadsBackToItsValue) {
    for (int maxDepth = 0; maxDepth <= 5; ++maxDepth) {
        for (uint32_t seed = 1; seed <= kSeeds; ++seed) {
            ExpectSoundTerm(seed, maxDepth, true, false);
            ExpectSoundTerm(seed, maxDepth, true, true);
            ExpectSoundTerm(seed, maxDepth, false, false);
            if (HasFatalFailure()) return;
        }
    }
}

TEST(ArithmeticTermTest, TheOperatorRuleTakesTheFirstAllowedOperatorForAnyProductLimit) {
    using namespace arithmetic;
    const struct { int a, b, largestProduct, op; } cases[] = {
        {12, 4, 100, kDivide},   {9, 11, 100, kMultiply}, {11, 10, 100, kSubtract},
        {11, 10, 200, kMultiply}, {10, 11, 100, kAdd}};
    for (const auto& c : cases) {
        EXPECT_EQ(FirstAllowedOperator(c.a, c.b, c.largestProduct), c.op) << c.a << ", " << c.b << ", " << c.largestProduct;
    }
}

TEST(ArithmeticTermTest, TermsArePrintedWithThePupilsSigns) {
    EXPECT_EQ(arithmetic::Printed("3 * (12 / 4) - 2 + 1", 0), "3 \xD7 (12 : 4) \x96 2 + 1");
    EXPECT_EQ(arithmetic::Printed("12 / 4", 1), "12 \xF7 4");
}
