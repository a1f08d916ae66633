#include "games/base/TestEntry.h"

#include "games/base/RecordFields.h"

void TestEntry::DescribeFields(RecordFields& fields) {
    RecordEntry::DescribeFields(fields);
    fields.Add("BEST:", best);
    fields.Add("SCHLECHT:", worst);
    fields.Add("SCHW:", difficulty);
}
