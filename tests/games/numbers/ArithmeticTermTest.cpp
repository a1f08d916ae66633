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
    if (top && !freeTop && maxDepth > 0) {
        EXPECT_FALSE(tree->IsNumber());
    }
    if (!top && !tree->IsNumber()) {
        EXPECT_EQ(term.Text().front(), '(');
    }
}

// The draws of a term of one operation on two numbers, made by hand.
struct TwoNumberDraws {
    explicit TwoNumberDraws(uint32_t seed) {
        SeedRandom(seed);
        kind = Random() % 2 + 1;
        left = Random() % 19 + 1;
        right = Random() % 19 + 1;
    }
    int kind;
    int left;
    int right;
};

// The first seed whose hand-made draws pass the test.
template <typename Test>
uint32_t FindSeed(Test test) {
    for (uint32_t seed = 1; seed < 200000; ++seed) {
        if (test(TwoNumberDraws(seed))) {
            return seed;
        }
    }
    ADD_FAILURE() << "no seed found";
    return 0;
}

}  // namespace

TEST(ArithmeticTermTest, EveryTermIsPositiveFollowsTheOperatorOrderAndReadsBackToItsValue) {
    for (int maxDepth = 0; maxDepth <= 5; ++maxDepth) {
        for (uint32_t seed = 1; seed <= kSeeds; ++seed) {
            ExpectSoundTerm(seed, maxDepth, true, false);
            ExpectSoundTerm(seed, maxDepth, true, true);
            ExpectSoundTerm(seed, maxDepth, false, false);
            if (HasFatalFailure()) {
                return;
            }
        }
    }
}

TEST(ArithmeticTermTest, AFreeTopIsSometimesANumberAndAForcedTopNeverIs) {
    int numbers = 0;
    int operations = 0;
    for (uint32_t seed = 1; seed <= kSeeds; ++seed) {
        SeedRandom(seed);
        const ArithmeticTerm free(0, 3, true, true);
        const bool isNumber = free.Text().find(' ') == std::string::npos;
        (isNumber ? numbers : operations) += 1;
        SeedRandom(seed);
        EXPECT_NE(ArithmeticTerm(0, 3, true, false).Text().find(' '), std::string::npos);
    }
    EXPECT_GT(numbers, kSeeds / 4);
    EXPECT_GT(operations, kSeeds / 4);
}

TEST(ArithmeticTermTest, TheKindIsDrawnFirstThenTheLeftAndTheRightNumber) {
    // At depth 1 the forced top operation still draws its kind, then one
    // number for each side.
    const TwoNumberDraws draws(7);
    SeedRandom(7);
    const ArithmeticTerm term(0, 1, true, false);
    const std::string prefix = std::to_string(draws.left) + " ";
    const std::string suffix = " " + std::to_string(draws.right);
    EXPECT_EQ(term.Text().substr(0, prefix.size()), prefix) << term.Text();
    EXPECT_EQ(term.Text().substr(term.Text().size() - suffix.size()), suffix) << term.Text();

    // With a free top, a drawn kind 1 makes the term the next number drawn.
    const uint32_t seed = FindSeed([](const TwoNumberDraws& d) { return d.kind == 1; });
    const TwoNumberDraws numberDraws(seed);
    SeedRandom(seed);
    const ArithmeticTerm number(0, 1, true, true);
    EXPECT_EQ(number.Text(), std::to_string(numberDraws.left));
    EXPECT_EQ(number.Value(), numberDraws.left);

    // At the deepest level only the number is drawn.
    SeedRandom(seed);
    const int first = Random() % 19 + 1;
    SeedRandom(seed);
    EXPECT_EQ(ArithmeticTerm(2, 2, false, false).Value(), first);
}

TEST(ArithmeticTermTest, EqualNumbersBecomeADivisionWithValueOneAtTheTopAndBelowIt) {
    const uint32_t seed = FindSeed([](const TwoNumberDraws& d) { return d.kind == 2 && d.left == d.right; });
    const TwoNumberDraws draws(seed);
    const std::string n = std::to_string(draws.left);

    SeedRandom(seed);
    const ArithmeticTerm top(0, 1, true, false);
    EXPECT_EQ(top.Text(), n + " / " + n);
    EXPECT_EQ(top.Value(), 1);

    SeedRandom(seed);
    const ArithmeticTerm below(1, 2, false, false);
    EXPECT_EQ(below.Text(), "(" + n + " / " + n + ")");
    EXPECT_EQ(below.Value(), 1);
}

TEST(ArithmeticTermTest, ALargeProductWithARemainderBecomesASubtractionOrAnAddition) {
    const auto tooLarge = [](const TwoNumberDraws& d) { return d.left * d.right > 200 && d.left % d.right != 0; };
    const uint32_t down = FindSeed([&](const TwoNumberDraws& d) { return tooLarge(d) && d.left > d.right; });
    const TwoNumberDraws larger(down);
    SeedRandom(down);
    const ArithmeticTerm difference(0, 1, true, false);
    EXPECT_EQ(difference.Text(), std::to_string(larger.left) + " - " + std::to_string(larger.right));
    EXPECT_EQ(difference.Value(), larger.left - larger.right);

    const uint32_t up = FindSeed([&](const TwoNumberDraws& d) { return tooLarge(d) && d.left < d.right; });
    const TwoNumberDraws smaller(up);
    SeedRandom(up);
    const ArithmeticTerm sum(0, 1, true, false);
    EXPECT_EQ(sum.Text(), std::to_string(smaller.left) + " + " + std::to_string(smaller.right));
    EXPECT_EQ(sum.Value(), smaller.left + smaller.right);
}

TEST(ArithmeticTermTest, TheOperatorRuleTakesTheFirstAllowedOperatorForAnyProductLimit) {
    using namespace arithmetic;
    EXPECT_EQ(FirstAllowedOperator(12, 4, 100), kDivide);
    EXPECT_EQ(FirstAllowedOperator(9, 11, 100), kMultiply);
    EXPECT_EQ(FirstAllowedOperator(11, 10, 100), kSubtract);
    EXPECT_EQ(FirstAllowedOperator(11, 10, 200), kMultiply);
    EXPECT_EQ(FirstAllowedOperator(10, 11, 100), kAdd);
    EXPECT_EQ(Apply(kDivide, 12, 4), 3);
    EXPECT_EQ(Apply(kSubtract, 12, 4), 8);
    EXPECT_EQ(Sign(kMultiply), '*');
    EXPECT_EQ(Sign(kAdd), '+');
}
