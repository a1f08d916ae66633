#include "games/base/RecordFields.h"

#include <charconv>
#include <cmath>

#include "settings/TokenReader.h"

void RecordFields::Add(const char* key, int& value) { fields.push_back({key, &value, nullptr}); }

void RecordFields::Add(const char* key, double& value) { fields.push_back({key, nullptr, &value}); }

RecordFields::Outcome RecordFields::ReadValue(const std::string& word, TokenReader& reader) const {
    for (const Field& field : fields) {
        if (word != field.key) {
            continue;
        }
        if (field.integer != nullptr) {
            return reader.ReadInt(*field.integer) ? Outcome::Read : Outcome::Failed;
        }
        double value = 0.0;
        if (!reader.ReadDouble(value)) {
            return Outcome::Failed;
        }
        if (!std::isfinite(value)) {
            return Outcome::Rejected;
        }
        *field.real = value;
        return Outcome::Read;
    }
    return Outcome::NotAKey;
}

void RecordFields::Write(std::string& out, char terminator) const {
    for (const Field& field : fields) {
        if (field.real != nullptr && !std::isfinite(*field.real)) {
            continue;
        }
        out += field.key;
        out += '\t';
        out += field.integer != nullptr ? std::to_string(*field.integer) : FormatDouble(*field.real);
        out += terminator;
    }
}

bool RecordFields::AllFinite() const {
    for (const Field& field : fields) {
        if (field.real != nullptr && !std::isfinite(*field.real)) {
            return false;
        }
    }
    return true;
}

std::string FormatDouble(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}
