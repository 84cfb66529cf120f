#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/event_queue.h"

TEST(EventQueue, RunsInOrderAndLeavesEventsPostedWhileDrainingForNextTime) {
    platform::EventQueue queue;
    std::vector<int> ran;
    queue.Post(nullptr, [&] {
        ran.push_back(1);
        queue.Post(nullptr, [&] { ran.push_back(3); });
    });
    queue.Post(nullptr, [&] { ran.push_back(2); });
    EXPECT_EQ(2u, queue.Drain());
    EXPECT_EQ((std::vector<int>{1, 2}), ran);
    EXPECT_EQ(1u, queue.Drain());
    EXPECT_EQ((std::vector<int>{1, 2, 3}), ran);
}

TEST(EventQueue, CancelWithdrawsAnOwnersEventsEvenDuringADrain) {
    platform::EventQueue queue;
    int a = 0, b = 0;
    std::vector<char> ran;
    queue.Post(&a, [&] {
        ran.push_back('a');
        queue.Cancel(&b);  // as an owner destroyed by an earlier event would
    });
    queue.Post(&b, [&] { ran.push_back('b'); });
    queue.Post(&a, [&] { ran.push_back('A'); });
    queue.Drain();
    EXPECT_EQ((std::vector<char>{'a', 'A'}), ran);
}

TEST(EventQueue, AcceptsPostsFromOtherThreadsAndWakesTheLoop) {
    platform::EventQueue queue;
    std::atomic<int> wakes{0};
    queue.SetWakeHook([&] { ++wakes; });
    int ran = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 100; ++i) queue.Post(nullptr, [&] { ++ran; });
        });
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(400u, queue.Drain());
    EXPECT_EQ(400, ran);
    EXPECT_EQ(400, wakes.load());
}
