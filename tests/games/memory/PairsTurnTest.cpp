#include <gtest/gtest.h>

#include "PairsGameFixture.h"
#include "games/memory/KG_KartenMemory.h"
#include "games/memory/KG_Memory.h"

namespace {

using PairsTurnTest = PairsGameFixture;

TEST_F(PairsTurnTest, AClickBesideTheCardsTheFirstCardAgainAndAFoundCardDoNothing) {
    KG_Memory game(0);
    game.StartGame();
    const int partner = PartnerOf(game, 0);
    game.OnLeftButtonUp(5, 5);
    EXPECT_EQ(FaceUpCount(game), 0);
    ClickCard(game, 0);
    ClickCard(game, 0);
    EXPECT_EQ(game.Turns(), 0);
    EXPECT_EQ(FaceUpCount(game), 1);
    ClickCard(game, partner);
    EXPECT_EQ(game.Turns(), 1);
    EXPECT_EQ(game.OpenCards(), 14);
    // A found card is no longer open: clicking it starts no turn, so the next
    // two open cards make the second turn.
    ClickCard(game, partner);
    ClickCard(game, 0);
    EXPECT_EQ(game.Turns(), 1);
    const int third = StrangerOf(game, 0);
    ClickCard(game, third);
    ClickCard(game, PartnerOf(game, third));
    EXPECT_EQ(game.Turns(), 2);
    EXPECT_EQ(game.Mistakes(), 0);
    EXPECT_EQ(game.FoundCards(), 4);
    EXPECT_EQ(FaceUpCount(game), 4);
    EXPECT_TRUE(game.Card(0).IsFound() && game.Card(partner).IsFound());
    EXPECT_NE(game.Card(0).FaceTint(), 0xFFFFFFFFu) << "a found pair fades";
}

TEST_F(PairsTurnTest, AWrongPairShowsForTwoSecondsOfUpdatedTimeAndHoldsBackClicks) {
    KG_Memory game(1);
    game.StartGame();
    const int first = 0;
    const int wrong = StrangerOf(game, first);
    int other = 1;
    while (other == wrong || other == first) ++other;
    ClickCard(game, first);
    ClickCard(game, wrong);
    EXPECT_EQ(game.Turns(), 1);
    EXPECT_EQ(game.Mistakes(), 1);
    Frames(game, 7, 0.25);
    ClickCard(game, other);
    EXPECT_FALSE(game.Card(other).IsFaceUp()) << "a third card while a wrong pair shows";
    EXPECT_TRUE(game.Card(first).IsFaceUp());
    EXPECT_TRUE(game.Card(wrong).IsFaceUp());
    // Shown in full, unlike a pair found.
    EXPECT_FALSE(game.Card(first).IsFound() || game.Card(wrong).IsFound());
    EXPECT_EQ(game.Card(wrong).FaceTint(), 0xFFFFFFFFu);
    Frames(game, 1, 0.25);
    EXPECT_EQ(FaceUpCount(game), 0);
    EXPECT_EQ(game.OpenCards(), 24);
    EXPECT_DOUBLE_EQ(game.GetPlaySeconds(), 2.0);
    // The turn is over: the next click starts a new one, and the card that was
    // first before may be turned again.
    ClickCard(game, other);
    ClickCard(game, first);
    EXPECT_EQ(game.Turns(), 2);
    EXPECT_EQ(FaceUpCount(game), 2);
}

// Every pair found at once in a minute: 1 + 60 / 120.
TEST_F(PairsTurnTest, FindingEveryPairEndsThePlay) {
    KG_Memory game(0);
    game.StartGame();
    FindEveryPair(game, 60.0);
    EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
    EXPECT_EQ(game.Turns(), 8);
    game.ComputeGrade();
    EXPECT_DOUBLE_EQ(game.GetGrade(), 1.5);
}

TEST_F(PairsTurnTest, GradesCountTimeAndWrongPairsAndTheCardsLeftOpen) {
    {
        // Half of the 16 cards found at once, then ended: 1 + 8 / 16 x 5.
        KG_Memory game(0);
        game.StartGame();
        for (int pair = 0; pair < 4; ++pair) {
            const int card = FirstFaceDown(game);
            ClickCard(game, card);
            ClickCard(game, PartnerOf(game, card));
        }
        game.SetState(Knobel_Game::STATE_ABORTED);
        game.ComputeGrade();
        EXPECT_DOUBLE_EQ(game.GetGrade(), 3.5);
    }
    {
        // 36 playing cards, 9 wrong pairs, 3 minutes: 1.5 + 1 + 9 / 36.
        KG_KartenMemory game(2);
        game.StartGame();
        for (int mistake = 0; mistake < 9; ++mistake) {
            ClickCard(game, 0);
            ClickCard(game, StrangerOf(game, 0));
            Frames(game, 1, 20.0);
        }
        FindEveryPair(game, 0.0);
        EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
        EXPECT_EQ(game.Mistakes(), 9);
        EXPECT_EQ(game.Turns(), 27);
        game.ComputeGrade();
        EXPECT_DOUBLE_EQ(game.GetGrade(), 2.75);
    }
}

}  // namespace
