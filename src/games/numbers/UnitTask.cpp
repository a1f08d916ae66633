#include "games/numbers/UnitTask.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <span>
#include <vector>

#include "app/Random.h"

namespace {

// Length (m), mass (g), area (m²), volume (m³), energy (kJ), time (hours):
// the factor of each unit against the first one of its family.
constexpr double kLength[] = {1.0,   0.001,  0.0005405405405405405, 0.000625,         10.0,
                              100.0, 1000.0, 39.37007874015748,     3.278688524590164};
constexpr double kMass[] = {1.0, 1e-06, 0.001, 1000.0, 0.002};
constexpr double kArea[] = {1.0, 1e-06, 10000.0, 1000000.0, 0.0001, 0.01};
constexpr double kVolume[] = {1.0, 1000000.0, 1000000000.0, 1000.0, 1000000.0};
constexpr double kEnergy[] = {1.0, 0.0002777777777777778, 1000.0, 0.2777777777777778};
constexpr double kTime[] = {1.0,    0.00011415525114155251, 0.041666666666666664,
                            60.0,   3600.0,                 3600000.0};

constexpr std::span<const double> kFamilyFactors[units::kFamilies] = {kLength, kMass,   kArea,
                                                                      kVolume, kEnergy, kTime};

constexpr int kFirstNameText = 300;
constexpr int kNameTextsPerFamily = 10;
// Decimal places of a value at the least.
constexpr int kPlaces = 6;
constexpr int kSignificantDigits = 3;

}  // namespace

namespace units {

int UnitCount(int family) {
    if (family < 0 || family >= kFamilies) {
        return 0;
    }
    return static_cast<int>(kFamilyFactors[family].size());
}

double Factor(int family, int unit) {
    if (unit < 0 || unit >= UnitCount(family)) {
        return 0.0;
    }
    return kFamilyFactors[family][static_cast<std::size_t>(unit)];
}

int NameText(int family, int unit) { return kFirstNameText + kNameTextsPerFamily * family + unit; }

double Convert(int family, double value, int from, int to) { return value * Factor(family, to) / Factor(family, from); }

std::string DecimalText(double value, char decimalMark) {
    int places = kPlaces;
    if (value > 0.0 && value < 1.0) {
        // 0.05 has its first significant digit at the second place.
        const int firstDigit = -static_cast<int>(std::floor(std::log10(value)));
        places = std::max(places, firstDigit + kSignificantDigits - 1);
    }
    const int length = std::snprintf(nullptr, 0, "%.*f", places, value);
    if (length <= 0) {
        return "0";
    }
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::snprintf(buffer.data(), buffer.size(), "%.*f", places, value);
    std::string text(buffer.data());
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    std::replace(text.begin(), text.end(), '.', decimalMark);
    return text;
}

std::string Grouped(std::string_view number, char decimalMark) {
    const size_t mark = number.find(decimalMark);
    const std::string_view whole = number.substr(0, mark);
    const std::string_view fraction = mark == std::string_view::npos ? std::string_view() : number.substr(mark + 1);
    constexpr size_t kGroup = 3;
    constexpr size_t kLongest = 4;  // digits a side shows without groups
    std::string grouped;
    for (size_t i = 0; i < whole.size(); ++i) {
        const size_t left = whole.size() - i;
        if (i > 0 && whole.size() > kLongest && left % kGroup == 0) {
            grouped += ' ';
        }
        grouped += whole[i];
    }
    if (mark == std::string_view::npos) {
        return grouped;
    }
    grouped += decimalMark;
    for (size_t i = 0; i < fraction.size(); ++i) {
        if (i > 0 && fraction.size() > kLongest && i % kGroup == 0) {
            grouped += ' ';
        }
        grouped += fraction[i];
    }
    return grouped;
}

}  // namespace units

UnitTask UnitTask::Draw(double ratioLimit, int lowestExponent, int highestExponent) {
    UnitTask task;
    for (;;) {
        task.family = Random() % units::kFamilies;
        const int count = units::UnitCount(task.family);
        task.sourceUnit = Random() % count;
        task.targetUnit = Random() % count;
        const double a = units::Factor(task.family, task.sourceUnit);
        const double b = units::Factor(task.family, task.targetUnit);
        if (std::max(a, b) / std::min(a, b) <= ratioLimit && task.sourceUnit != task.targetUnit) {
            break;
        }
    }
    task.digit = Random() % 9 + 1;
    task.exponent = 1;
    if (highestExponent - lowestExponent > 1) {
        task.exponent = Random() % (highestExponent - lowestExponent) + lowestExponent;
        if (task.exponent == 0) {
            task.exponent = 1;
        }
    }
    task.sourceValue = task.digit * std::pow(10.0, task.exponent);
    task.targetValue = units::Convert(task.family, task.sourceValue, task.sourceUnit, task.targetUnit);
    return task;
}

double UnitTask::RelativeError(double answer) const {
    const double ratio = units::Factor(family, targetUnit) / units::Factor(family, sourceUnit);
    const double againstTarget = std::abs(answer / targetValue - 1.0);
    const double againstSource = std::abs(answer / ratio / sourceValue - 1.0);
    return std::max(againstTarget, againstSource);
}
