// Commands run one at a time, in the order they came, each once.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "window/command_queue.h"

namespace {

TEST(CommandQueueTest, CommandsSubmittedWhileOneRunsWaitAndRunInOrder)
{
    CCommandQueue queue;
    std::vector<std::string> log;
    queue.Submit([&] {
        log.push_back("first begins");
        // What input handled inside a running command's wait would do.
        queue.Submit([&] { log.push_back("second"); });
        queue.Submit([&] {
            log.push_back("third begins");
            queue.Submit([&] { log.push_back("fourth"); });
            log.push_back("third ends");
        });
        EXPECT_TRUE(queue.Busy());
        log.push_back("first ends");
    });
    EXPECT_FALSE(queue.Busy());
    EXPECT_EQ(log, (std::vector<std::string>{"first begins", "first ends", "second", "third begins",
                                             "third ends", "fourth"}));
}

TEST(CommandQueueTest, DroppingPendingCommandsLetsTheRunningOneFinish)
{
    CCommandQueue queue;
    std::vector<std::string> log;
    queue.Submit([&] {
        queue.Submit([&] { log.push_back("dropped"); });
        queue.DropPending();
        log.push_back("finished");
    });
    queue.Submit([&] { log.push_back("later"); });
    EXPECT_EQ(log, (std::vector<std::string>{"finished", "later"}));
}

}  // namespace
