#include <gtest/gtest.h>

#include "platform/user_defaults.h"
#include "support/fake_services.h"

using korvida::UserDefaults;

TEST(UserDefaults, RegisteredValuesAnswerButAreNeverWritten)
{
    InMemoryDefaultsStore store;
    UserDefaults defaults(store);
    defaults.registerDefaults({{"a", "1"}, {"b", "2"}});

    EXPECT_EQ(defaults.integerForKey("a"), 1);
    EXPECT_EQ(defaults.integerForKey("b"), 2);
    EXPECT_TRUE(store.values.empty());

    defaults.setIntegerForKey(7, "a");
    EXPECT_EQ(defaults.integerForKey("a"), 7);
    EXPECT_EQ(store.values, (std::map<std::string, std::string>{{"a", "7"}}));
}

TEST(UserDefaults, TheUsersOwnValueWinsOverTheRegisteredOne)
{
    InMemoryDefaultsStore store;
    store.values["a"] = "0";
    UserDefaults defaults(store);
    defaults.registerDefaults({{"a", "1"}});
    EXPECT_EQ(defaults.integerForKey("a"), 0);
}

TEST(UserDefaults, MissingOrUnreadableNumbersReadAsZero)
{
    InMemoryDefaultsStore store;
    store.values = {{"text", "yes"}, {"trailing", "1x"}, {"empty", ""}, {"huge", "99999999999"}, {"negative", "-3"}};
    UserDefaults defaults(store);
    EXPECT_EQ(defaults.integerForKey("missing"), 0);
    EXPECT_EQ(defaults.integerForKey("text"), 0);
    EXPECT_EQ(defaults.integerForKey("trailing"), 0);
    EXPECT_EQ(defaults.integerForKey("empty"), 0);
    EXPECT_EQ(defaults.integerForKey("huge"), 0);
    EXPECT_EQ(defaults.integerForKey("negative"), -3);
}
