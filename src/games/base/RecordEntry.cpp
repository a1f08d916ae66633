#include "games/base/RecordEntry.h"

#include <ctime>

#include "games/base/RecordFields.h"

RecordEntry::RecordEntry() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) != nullptr) {
        day = local.tm_mday;
        month = local.tm_mon + 1;
        year = local.tm_year + 1900;
    }
}

void RecordEntry::DescribeFields(RecordFields& fields) { fields.Add("ERG:", grade); }
