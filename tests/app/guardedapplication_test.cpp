// An exception escaping an event handler becomes a message instead of ending the program.
#include "app/guardedapplication.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace trellon {
namespace {

TEST(GuardedDelivery, exceptionsBecomeMessagesAndTheEventCountsAsUnhandled)
{
    QStringList told;
    const auto report = [&](const QString& text) { told << text; };

    EXPECT_TRUE(deliverGuarded([] { return true; }, report));
    EXPECT_TRUE(told.isEmpty());

    EXPECT_FALSE(deliverGuarded([]() -> bool { throw std::bad_alloc(); }, report));
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told.back(), QStringLiteral("内存不足，操作未能完成。"));

    EXPECT_FALSE(deliverGuarded([]() -> bool { throw std::runtime_error("模板已损坏"); }, report));
    ASSERT_EQ(told.size(), 2);
    EXPECT_EQ(told.back(), QStringLiteral("操作未能完成：模板已损坏"));
}

} // namespace
} // namespace trellon
