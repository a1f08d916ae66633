#pragma once

#include <memory>
#include <string>
#include <vector>

#include "games/base/Knobel_Game.h"
#include "games/numbers/MoneyStack.h"
#include "games/numbers/MoneyTray.h"

// Giving change. The price lies in rows of coins and notes on the left, the
// customer's payment (always more) on the right, each piece's value in sight.
// The player drags pieces from the unlimited stacks at the bottom into the
// cash tray until it holds the change, and clicks the button in the middle.
// A task is right when the change is exact, and optimal when it is also made
// of the fewest pieces (the greedy way).
class KG_Wechselgeld_Game : public Knobel_Game {
public:
    static constexpr const char* kSaveFile = "geld.sav";

    explicit KG_Wechselgeld_Game(int level);
    ~KG_Wechselgeld_Game() override;

    // Dragged pieces follow the pointer.
    void OnMouseMove(int x, int y) override;
    // Picks up a piece: a new one from a stack, else the topmost one under
    // the point in the change, the price or the payment tray.
    void OnLeftButtonDown(int x, int y) override;
    // Puts a dragged piece down; with nothing dragged, a click on the button
    // checks the change.
    void OnLeftButtonUp(int x, int y) override;
    void Update() override;
    void Render() override;

    const std::string& GetHelpText() override;
    const std::string& GetResultText() override;
    const std::string& GetTitle() override;
    void ComputeGrade() override;

    // The coins and notes that make up the cents with the fewest pieces, from
    // the largest, using the first `used` denominations.
    static std::vector<int> FewestPieces(int cents, int used);

    int PricePieces() const { return pricePieces; }
    int PaymentPieces() const { return paymentPieces; }
    int DenominationsUsed() const { return denominationsUsed; }
    int TasksPerPlay() const { return tasksPerPlay; }
    int Price() const { return price; }
    int Paid() const { return paid; }
    int Right() const { return right; }
    int Optimal() const { return optimal; }
    int TasksDone() const { return tasksDone; }
    const MoneyTray& PriceTray() const { return *priceTray; }
    const MoneyTray& PaymentTray() const { return *paymentTray; }
    const MoneyTray& ChangeTray() const { return *changeTray; }
    const std::vector<MoneyStack>& Stacks() const { return stacks; }
    // The check button in the middle of the screen: where it is drawn and pressed.
    ScreenBox ButtonBox() const;
    // The piece dragged from a stack or the change tray, from the price tray,
    // from the payment tray; null when none.
    const MoneyPiece* DraggedFromStack() const { return draggedFromStack.get(); }
    const MoneyPiece* DraggedFromPrice() const { return draggedFromPrice.get(); }
    const MoneyPiece* DraggedFromPayment() const { return draggedFromPayment.get(); }

private:
    void BuildTask();
    int RandomDenomination() const;
    // Adds a piece of the value to the tray (Arrange lays them out).
    void AddToTray(MoneyTray& tray, int cents);
    // The stack of the value, or null.
    MoneyStack* StackOf(int cents);
    // A player's piece goes back to its stack (it flies there).
    void HandBack(std::unique_ptr<MoneyPiece> piece);
    // A price or payment piece goes back into its tray: at (x, y) when that
    // lies in the tray, else where it was taken from.
    void PutBack(MoneyTray& tray, std::unique_ptr<MoneyPiece> piece, int x, int y);
    bool Dragging() const;
    // Puts every dragged piece back where it came from.
    void ReturnDragged();
    bool ButtonHit(int x, int y) const;
    void EvaluateTask();

    std::unique_ptr<MoneyPiece> draggedFromStack;
    std::unique_ptr<MoneyPiece> draggedFromPrice;
    std::unique_ptr<MoneyPiece> draggedFromPayment;
    std::unique_ptr<MoneyTray> changeTray;
    std::unique_ptr<MoneyTray> priceTray;
    std::unique_ptr<MoneyTray> paymentTray;
    std::vector<MoneyStack> stacks;
    // Where the price or payment piece being dragged lay.
    float takenFromX = 0.0f;
    float takenFromY = 0.0f;
    int pricePieces;
    int paymentPieces;
    int denominationsUsed;
    int price = 0;
    int paid = 0;
    int right = 0;
    int optimal = 0;
    int tasksDone = 0;
    int tasksPerPlay;
};
