#include "shell_fixture.h"

namespace quorprog::testing {
namespace {

using ProgramFolder = ShellFixture;

TEST_F(ProgramFolder, IsTheExecutablesFolderWhenThatIsWritable) {
    EXPECT_EQ(programFolderFor(helpFolder()), helpFolder() + "/");
    EXPECT_EQ(programFolderFor(helpFolder() + "/"), helpFolder() + "/");
}

TEST_F(ProgramFolder, FallsBackToThePerUserDataFolder) {
    const QString dataFolder = root_.filePath("data/quorprog/");
    EXPECT_EQ(programFolderFor(root_.filePath("no such folder")), dataFolder);
    EXPECT_TRUE(QFileInfo(dataFolder).isDir());
}

}  // namespace
}  // namespace quorprog::testing
