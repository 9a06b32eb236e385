#include "platform/documentsfolder.h"
#include "platform/programfolder.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>

namespace {

// Points HOME at a scratch folder for one test, so the documents folder is
// looked up (and created) there rather than in the real home.
class ScratchHome {
public:
    explicit ScratchHome(const std::string &home)
    {
        if (const char *old = std::getenv("HOME"))
            m_old = old;
        setenv("HOME", home.c_str(), 1);
    }
    ~ScratchHome()
    {
        if (m_old)
            setenv("HOME", m_old->c_str(), 1);
        else
            unsetenv("HOME");
    }

private:
    std::optional<std::string> m_old;
};

} // namespace

TEST(ProgramFolder, IsTheTestBinarysFolderWithSlash)
{
    const std::string folder = programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.front(), '/');
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(folder + "test_settingsstore")));
    EXPECT_EQ(converterPath(), folder + "kescvt");
}

TEST(DocumentsFolder, CreatedWhenMissingWithoutTrailingSlash)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    ScratchHome scratch(home.path().toStdString() + "/");
    const auto folder = documentsFolder();
    ASSERT_TRUE(folder.has_value());
    EXPECT_EQ(*folder, home.path().toStdString() + "/Documents");
    EXPECT_TRUE(QFileInfo(QString::fromStdString(*folder)).isDir());
}

TEST(DocumentsFolder, NoneWhenItCannotBeCreated)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const std::string blocker = scratch.path().toStdString() + "/blocker";
    std::ofstream(blocker) << "x";
    {
        ScratchHome home(blocker);
        EXPECT_FALSE(documentsFolder().has_value());
    }
    ScratchHome noHome("");
    EXPECT_FALSE(documentsFolder().has_value());
}
