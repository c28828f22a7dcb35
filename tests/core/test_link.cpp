// The toolkit's libraries hold objects that only register themselves; the
// link must keep them even though nothing names their symbols.
#include <gtest/gtest.h>
#include "linkprobe/linkprobe.h"

TEST(Link, RegistrationOnlyObjectIsKept)
{
    EXPECT_EQ(1, linkProbeRegistrations());
}
