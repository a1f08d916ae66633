#pragma once

#include <string>
#include <vector>

class TokenReader;

// The keyed values of a save file line or entry ("KEY:<tab>value"), bound to
// the variables they are read into and written from. The same table serves
// the reader and the writer, so both always agree on keys, types and order.
class RecordFields {
public:
    enum class Outcome {
        NotAKey,   // the word is none of the keys
        Read,      // the value was read into its variable
        Rejected,  // a number was read but is not finite: the variable is unchanged
        Failed,    // no number could be read: the reader ends here
    };

    void Add(const char* key, int& value);
    void Add(const char* key, double& value);

    // When word is one of the keys, reads the value that follows it.
    Outcome ReadValue(const std::string& word, TokenReader& reader) const;

    // Appends "key<tab>value" and the terminator for each field, in order; a
    // non-finite double is left out (the reader then keeps the initial value).
    void Write(std::string& out, char terminator) const;

    bool AllFinite() const;

private:
    struct Field {
        const char* key;
        int* integer;
        double* real;
    };
    std::vector<Field> fields;
};

// The shortest decimal form that reads back as exactly the same double, in
// the classic locale: "6" for 6.0, "2.5", "1e+06" for a million.
std::string FormatDouble(double value);
