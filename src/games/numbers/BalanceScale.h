#pragma once

#include <memory>
#include <vector>

#include "games/numbers/BalanceWeight.h"

// The beam balance of one task: a left and a right pan and the table below,
// each holding weights. The generator lays out a set that balances, some
// weights fixed on the pans, the others on the table; the player drags the
// table weights onto the pans. The beam tilts towards the heavier pan.
class BalanceScale {
public:
    // The masses of the weights, in grams, from the lightest.
    static constexpr int kMassCount = 6;
    static constexpr int kMasses[kMassCount] = {25, 50, 100, 250, 500, 1000};
    // The beam's tilt in degrees when all the load is on one side.
    static constexpr double kFullTilt = 30.0;

    struct Point {
        float x;
        float y;
    };

    using Weights = std::vector<std::unique_ptr<BalanceWeight>>;

    // Generates a task: weights are added in balancing sets until the table
    // holds at least tableWeights; each lands on its pan fixed with the chance
    // fixedChance, and a counterweight is made of lighter weights with the
    // chance splitChance.
    BalanceScale(int tableWeights, double fixedChance, double splitChance);

    // One frame: the weights glide, the beam turns towards the tilt of the
    // load, the weights are laid out on the pans and the table.
    void Update(double seconds);
    // Picks up the topmost movable weight drawn under the point; a weight
    // still held is put down first.
    void OnLeftButtonDown(int x, int y);
    // A held weight moves with the pointer while the button is down.
    void OnMouseMove(int x, int y);
    // Puts a held weight down.
    void OnLeftButtonUp();
    // Puts a held weight down where it is: low down onto the table, otherwise
    // onto the pan of its side of the screen (at the end).
    void PutDownHeld();
    // Nothing held, the table empty and both pans equally heavy.
    bool IsBalanced() const;
    int LeftSum() const { return Sum(leftPan); }
    int RightSum() const { return Sum(rightPan); }
    void Draw() const;

    double Tilt() const { return tilt; }
    double TargetTilt() const { return targetTilt; }
    Point LeftAnchor() const { return leftAnchor; }
    Point RightAnchor() const { return rightAnchor; }
    const Weights& LeftPan() const { return leftPan; }
    const Weights& RightPan() const { return rightPan; }
    const Weights& Table() const { return table; }
    const BalanceWeight* Held() const { return held.get(); }
    // The point the beam turns about, on the stand's top.
    static Point Pivot();

private:
    static int Sum(const Weights& weights);
    // A new weight at a random point of the top edge: fixed on the pan with the
    // chance fixedChance, else movable on the table.
    void AddWeight(int grams, Weights& pan, double fixedChance);
    // Takes the last movable weight under the point (the one drawn on top) out of the list.
    bool PickUp(Weights& weights, int x, int y);
    // Pans on the beam's ends, weights in layers on the pans and in rows on the table.
    void LayOut();
    void LayOutPan(Weights& pan, Point anchor);

    double tilt = 0.0;
    double targetTilt = 0.0;
    Weights rightPan;
    Weights leftPan;
    Weights table;
    Point leftAnchor{};
    Point rightAnchor{};
    std::unique_ptr<BalanceWeight> held;
    int lastMouseX = 0;
    int lastMouseY = 0;
    bool buttonDown = false;
};
