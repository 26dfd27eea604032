#include "flow/history.h"

#include <cstring>

#include "flow/flow_state.h"
#include "base/fatal_error.h"

char g_history[kHistoryEntries][kLayoutChars];
int g_nHistory = 0;

namespace {

const char* const kStartLayouts[] = {
    "000004321", "000054321", "000654321", "007654321", "087654321", "987654321",
};

}  // namespace

void StartHistory(int size)
{
    if (size < 4 || size > 9)
        FatalError("019");
    std::memset(g_history, 0, sizeof g_history);
    g_nHistory = 0;
    std::memcpy(g_history[0], kStartLayouts[size - 4], kLayoutChars - 1);
}

void RecordMove(int code)
{
    const int column = code / 10;
    const int height = code % 10;
    if (g_nHistory + 1 >= kHistoryEntries || column < 1 || column > 9 || height < 1)
        FatalError("019");
    g_nLastMove = code;
    char* entry = g_history[g_nHistory + 1];
    std::memset(entry, 0, kLayoutChars);
    std::memcpy(entry, g_history[g_nHistory], kLayoutChars);
    g_nHistory += 1;
    // The smileys that stay in the column are the ones below the taken one.
    entry[9 - column] = static_cast<char>('0' + height - 1);
}
