#include "common/file_io.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace sg;
using namespace sgtest;
namespace fs = std::filesystem;

TEST(FileIo, NewFilesTakeTheModeTheUmaskAllowsAndReplacedOnesKeepTheirs)
{
    TempDir dir;
    writeBytes(dir / "seed", bytesOf("seed"));
    const mode_t old = ::umask(027);
    const bool written = writeFileAtomically(dir / "new", bytesOf("n"));
    const bool copied = copyFileAtomically(dir / "seed", dir / "copy");
    const bool created = createFileWith(dir / "made", bytesOf("m")) == 0;
    ::chmod((dir / "seed").c_str(), 0604);
    const bool replaced = writeFileAtomically(dir / "seed", bytesOf("s"));
    ::umask(old);
    ASSERT_TRUE(written && copied && created && replaced);
    for (const char* name : { "new", "copy", "made" })
        EXPECT_EQ(fs::status(dir / name).permissions(), fs::perms(0640)) << name;
    EXPECT_EQ(fs::status(dir / "seed").permissions(), fs::perms(0604));
    EXPECT_EQ(readBytes(dir / "copy"), bytesOf("seed"));
}
