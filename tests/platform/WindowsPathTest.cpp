#include <gtest/gtest.h>

#include "platform/WindowsPath.h"
#include "tests/support/TempHome.h"

TEST(WindowsPathTest, DrivesMapLikeWineDoes) {
    TempHome home;
    const auto drive_c = home.Path() / "drive_c";
    struct Case {
        std::u16string windows;
        std::filesystem::path local;
    };
    const Case cases[] = {
        {u"C:\\ZOLBackup\\zol.bak", drive_c / "ZOLBackup/zol.bak"},
        {u"c:\\ZOLBackup", drive_c / "ZOLBackup"},
        {u"C:\\", drive_c},
        {u"Z:\\tmp\\x.bak", "/tmp/x.bak"},
        {u"D:\\Backups\\mine.bak", home.Path() / "drive_d/Backups/mine.bak"},
        {u"/var/backups/a.bak", "/var/backups/a.bak"},
        {u"zol.bak", "zol.bak"},
        {u"sub\\zol.bak", "sub/zol.bak"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::ToLocalPath(c.windows), c.local);
    }
    EXPECT_FALSE(platform::ToLocalPath(u"\\\\server\\share\\x.bak").has_value());
}

TEST(WindowsPathTest, LocalPathsComeBackInWindowsForm) {
    TempHome home;
    EXPECT_EQ(platform::ToWindowsPath(home.Path() / "drive_c/ZOLBackup/zol.bak"),
              u"C:\\ZOLBackup\\zol.bak");
    EXPECT_EQ(platform::ToWindowsPath(home.Path() / "drive_c/ZOLBackup/"), u"C:\\ZOLBackup\\");
    EXPECT_EQ(platform::ToWindowsPath("/srv/backups/mine.bak"), u"Z:\\srv\\backups\\mine.bak");
    // Round trip through both forms.
    const std::u16string chosen = platform::ToWindowsPath("/srv/b/x.bak");
    EXPECT_EQ(platform::ToLocalPath(chosen), std::filesystem::path("/srv/b/x.bak"));
}
