#pragma once

#include <string>
#include <vector>

// An ordered record of calls made on test doubles, shared among them so that
// tests can check the order in which parts were called.
struct CallLog {
    std::vector<std::string> calls;

    void Add(const std::string& call) { calls.push_back(call); }
    void Clear() { calls.clear(); }
};
