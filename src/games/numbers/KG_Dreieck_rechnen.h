#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "games/base/TaskGame.h"
#include "games/numbers/NumberTriangle.h"

// The number triangle: a row of three or four numbers at the top, below it
// rows of boxes with operator signs that each combine the two values above.
// The player works out the single value at the bottom, types it and confirms
// with Enter; the verdict shows for two seconds, then the next triangle
// follows, 10 or 20 of them by level. Save file "dreieck.sav".
class KG_Dreieck_rechnen : public TaskGame {
public:
    static constexpr const char* kSaveFile = "dreieck.sav";
    // Digits the answer can hold.
    static constexpr std::size_t kMaxInput = 3;
    // Seconds a verdict is shown.
    static constexpr double kFeedbackSeconds = 2.0;

    explicit KG_Dreieck_rechnen(int level);
    ~KG_Dreieck_rechnen() override;

    void OnKeyDown(uint16_t key) override;
    void OnKeyUp(uint16_t key) override;
    void Render() override;

    const std::string& GetHelpText() override;
    const std::string& GetTitle() override;

    const NumberTriangle& Triangle() const { return *triangle; }
    int RowSize() const { return rowSize; }
    const std::string& Input() const { return input; }

protected:
    void NextTask() override;

private:
    // The typed input, read as a whole number, is the triangle's result.
    bool InputIsRight() const;
    // The node's box and its number or sign, then the boxes above it.
    void DrawNode(const TriangleNode& node) const;

    const int rowSize;
    std::unique_ptr<NumberTriangle> triangle;
    std::string input;
};
