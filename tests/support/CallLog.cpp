#include "support/CallLog.h"

std::vector<std::string> CallLog::With(const std::string& prefix) const {
    std::vector<std::string> result;
    for (const std::string& call : calls) {
        if (call.rfind(prefix, 0) == 0) {
            result.push_back(call);
        }
    }
    return result;
}
