#include "registry/RegKeyCache.h"

#include "framework/Exceptions.h"
#include "support/SharedKeyGuard.h"

#include <gtest/gtest.h>

// Kept keys must never hide a change made during the run: a key created after
// it was found missing, a key deleted and created again, a key deleted from
// outside once the run is over.
TEST(RegKeyCache, KeptKeysSeeEveryChangeOfTheRun)
{
    RegSandbox box;
    const std::string leaf = box.Sub("Blatt");
    {
        const TRegKeyCache outer;
        EXPECT_EQ(ReadRegInteger(rcCurrentUser, leaf, "zahl"), -1);
        EXPECT_EQ(ReadRegText(rcCurrentUser, leaf, "text").Exists, false);
        ASSERT_TRUE(WriteRegInteger(rcCurrentUser, leaf, "zahl", 7));
        ASSERT_TRUE(WriteRegString(rcCurrentUser, leaf, "text", "neu"));
        EXPECT_EQ(ReadRegInteger(rcCurrentUser, leaf, "zahl"), 7);
        EXPECT_EQ(ReadRegText(rcCurrentUser, leaf, "text").Text, "neu");
        {
            const TRegKeyCache inner;
            ASSERT_TRUE(DeleteRegValue(rcCurrentUser, leaf, "zahl"));
            EXPECT_EQ(ReadRegInteger(rcCurrentUser, leaf, "zahl"), -1);
            // The key goes with the handles kept for it; writing creates it anew.
            ASSERT_TRUE(DeleteRegValue(rcCurrentUser, leaf, "text"));
            ASSERT_TRUE(DeleteRegKey(rcCurrentUser, box.Path(), "Blatt"));
            EXPECT_EQ(ReadRegInteger(rcCurrentUser, leaf, "zahl"), -1);
            ASSERT_TRUE(WriteRegInteger(rcCurrentUser, leaf, "zahl", 8));
        }
        // The inner run ended; the outer one goes on with the key as it is now.
        EXPECT_EQ(ReadRegInteger(rcCurrentUser, leaf, "zahl"), 8);
        ASSERT_TRUE(WriteRegInteger(rcCurrentUser, leaf, "zahl", 9));
    }
    ASSERT_TRUE(QueryValue(box.Root(), leaf, "zahl"));
    EXPECT_EQ(QueryValue(box.Root(), leaf, "zahl")->data, (std::vector<BYTE>{9, 0, 0, 0}));
    ASSERT_TRUE(DeleteTree(box.Root(), leaf));
    {
        const TRegKeyCache again;
        EXPECT_EQ(ReadRegInteger(rcCurrentUser, leaf, "zahl"), -1);
        ASSERT_TRUE(WriteRegInteger(rcCurrentUser, leaf, "zahl", 10));
    }
    EXPECT_EQ(QueryValue(box.Root(), leaf, "zahl")->data, (std::vector<BYTE>{10, 0, 0, 0}));
}
