#include <gtest/gtest.h>

#include "shell/DesktopEntry.h"
#include "shell/IcoAssociation.h"
#include "support/ScriptedMessageBoxes.h"

using namespace pictavo;

namespace {

// The registry script, one key per line here, with the command's value as given.
std::string regText(const std::string& commandValue) {
  std::string text;
  for (const std::string& line : std::initializer_list<std::string>{
           "REGEDIT4", "",
           "[HKEY_CLASSES_ROOT\\icofile]", "@=\"Icon\"", "",
           "[HKEY_CLASSES_ROOT\\icofile\\DefaultIcon]", "@=\"%1\"", "",
           "[HKEY_CLASSES_ROOT\\icofile\\shell]", "",
           "[HKEY_CLASSES_ROOT\\icofile\\shell\\open]", "@=\"\"", "",
           "[HKEY_CLASSES_ROOT\\icofile\\shell\\open\\command]", "@=\"" + commandValue + "\"", "",
           "[HKEY_CLASSES_ROOT\\.ico]", "@=\"icofile\"", "\"Content Type\"=\"image/x-icon\""})
    text += line + "\r\n";
  return text;
}

}  // namespace

TEST(IcoRegFile, WholeTextWithEveryBackslashDoubledEvenAtADriveRoot) {
  EXPECT_EQ(icoAssociationRegText("C:\\Tools"), regText("C:\\\\Tools\\\\pictav20.exe %1"));
  EXPECT_EQ(icoAssociationRegText("C:\\"), regText("C:\\\\\\\\pictav20.exe %1"));
  EXPECT_EQ(doubledBackslashes("D:\\a b\\c"), "D:\\\\a b\\\\c");
  EXPECT_EQ(regeditImportCommand("C:\\Tools"), "regedit -s \"C:\\Tools\\ico.reg\"");
}

TEST(IcoRegFile, OnlyYesToMakeDefaultGoesOn) {
  pictavo::testing::ScriptedMessageBoxes boxes;
  boxes.queue(Answer::No);
  boxes.queue(Answer::Yes);
  EXPECT_FALSE(askToAssociateIco(boxes));
  EXPECT_TRUE(askToAssociateIco(boxes));
  EXPECT_EQ(boxes.shown()[0].title, "Make Default?");
  EXPECT_EQ(boxes.shown()[0].text, "Would you like to make \"Pictavo\" your default editor for .ICO files?");
  EXPECT_EQ(boxes.shown()[0].buttons, Buttons::YesNo);
}

TEST(DesktopEntry, OpensIcoFilesWithTheProgram) {
  EXPECT_EQ(pictavoDesktopEntry("/usr/bin/pictavo"),
            "[Desktop Entry]\nType=Application\nName=Pictavo\nGenericName=Icon Editor\n"
            "Comment=Draw and edit 32 x 32 Windows icons\nIcon=pictavo\nExec=/usr/bin/pictavo %f\n"
            "MimeType=image/vnd.microsoft.icon;image/x-icon;\n"
            "Categories=Graphics;2DGraphics;RasterGraphics;\nKeywords=icon;ico;favicon;pixel;editor;\n"
            "Terminal=false\n");
  EXPECT_EQ(xdgMimeDefaultArguments(),
            (std::vector<std::string>{"default", "pictavo.desktop", "image/vnd.microsoft.icon", "image/x-icon"}));
}

TEST(DesktopEntry, ProgramPathsWithReservedCharactersAreQuotedAndEscaped) {
  EXPECT_EQ(desktopExecProgram("/opt/My Apps/pictavo"), "\"/opt/My Apps/pictavo\"");
  EXPECT_EQ(desktopExecProgram("/opt/100%/pictavo"), "/opt/100%%/pictavo");
  // Backslash: escaped once for the quotes and once more for the string value.
  EXPECT_EQ(desktopExecProgram("/a\\b$c\"d`e"), "\"/a\\\\\\\\b\\\\$c\\\\\"d\\\\`e\"");
  EXPECT_EQ(desktopExecProgram("/x\ny"), "\"/x\\ny\"");  // stays on one line
}

TEST(DesktopEntry, DataFoldersFollowTheBaseDirectoryRules) {
  struct Case {
    std::string dataHome, dataDirs, home;
    std::vector<std::string> folders;
  } cases[] = {
      {"", "", "/home/a", {"/home/a/.local/share", "/usr/local/share", "/usr/share"}},
      {"/d", "/x:/y", "/home/a", {"/d", "/x", "/y"}},
      {"rel", "rel:/x::", "/home/a", {"/home/a/.local/share", "/x"}},
      {"", "rel", "", {"/usr/local/share", "/usr/share"}},
  };
  for (const Case& c : cases) EXPECT_EQ(xdgDataFolders(c.dataHome, c.dataDirs, c.home), c.folders) << c.dataDirs;
  EXPECT_EQ(xdgDataHome("", ""), "");
}
