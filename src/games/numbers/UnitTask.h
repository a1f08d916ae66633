#pragma once

#include <string>
#include <string_view>

// The units the conversion game asks about, in six families (length, mass,
// area, volume, energy, time). Each unit has a factor relative to the first
// unit of its family: a value v in unit i is v x factor(j) / factor(i) in
// unit j.
namespace units {

constexpr int kFamilies = 6;

// Units in the family (0 for a family that does not exist).
int UnitCount(int family);
// The unit's factor (0.0 for a unit that does not exist).
double Factor(int family, int unit);
// The language text that names the unit.
int NameText(int family, int unit);
// value in unit `from` expressed in unit `to` of the same family.
double Convert(int family, double value, int from, int to);

// A value as plain decimals: at least six places, and as many more as three
// significant digits need, then without trailing zeros and without a bare
// decimal point ("0.3", "50", "0.00000000005"), with the decimal mark given.
std::string DecimalText(double value, char decimalMark = '.');
// A number as DecimalText writes it, its digits in groups of three from the
// decimal mark both ways once a side holds five digits or more
// ("324 000", "0,000 000 048 6"), so that zeros can be counted at a glance.
std::string Grouped(std::string_view number, char decimalMark);

}  // namespace units

// One conversion task: a quantity, one digit times a power of ten, to be
// expressed in another unit of its family.
struct UnitTask {
    // Answers within this share of the exact value are right.
    static constexpr double kTolerance = 0.05;

    // Draws a task: family and the two units until the units differ and the
    // larger of their factors is at most ratioLimit times the smaller; then
    // the digit and the exponent (lowest to highest, 0 taken as 1).
    static UnitTask Draw(double ratioLimit, int lowestExponent, int highestExponent);

    // How far an answer is off the exact value, relative to it: the larger of
    // the two ways of measuring it (against the converted value, and the
    // answer converted back against the quantity).
    double RelativeError(double answer) const;
    bool IsRight(double answer) const { return RelativeError(answer) <= kTolerance; }

    int family = 0;
    int sourceUnit = 0;
    int targetUnit = 1;
    int digit = 1;
    int exponent = 1;
    double sourceValue = 10.0;
    double targetValue = 10.0;
};
