#include <gtest/gtest.h>

#include "shell/DesktopEntry.h"
#include "shell/IcoAssociation.h"
#include "support/ScriptedMessageBoxes.h"

using namespace pictavo;

TEST(IcoRegFile, WholeTextForAProgramInAFolder) {
  EXPECT_EQ(icoAssociationRegText("C:\\Tools"),
            "REGEDIT4\r\n"
            "\r\n"
            "[HKEY_CLASSES_ROOT\\icofile]\r\n"
            "@=\"Icon\"\r\n"
            "\r\n"
            "[HKEY_CLASSES_ROOT\\icofile\\DefaultIcon]\r\n"
            "@=\"%1\"\r\n"
            "\r\n"
            "[HKEY_CLASSES_ROOT\\icofile\\shell]\r\n"
            "\r\n"
            "[HKEY_CLASSES_ROOT\\icofile\\shell\\open]\r\n"
            "@=\"\"\r\n"
            "\r\n"
            "[HKEY_CLASSES_ROOT\\icofile\\shell\\open\\command]\r\n"
            "@=\"C:\\\\Tools\\\\pictav20.exe %1\"\r\n"
            "\r\n"
            "[HKEY_CLASSES_ROOT\\.ico]\r\n"
            "@=\"icofile\"\r\n"
            "\"Content Type\"=\"image/x-icon\"\r\n");
}

TEST(IcoRegFile, DriveRootAndDeepPathsDoubleEveryBackslash) {
  EXPECT_EQ(doubledBackslashes("C:\\"), "C:\\\\");
  EXPECT_EQ(doubledBackslashes("D:\\a b\\c"), "D:\\\\a b\\\\c");
  const std::string root = icoAssociationRegText("C:\\");
  EXPECT_NE(root.find("\r\n@=\"C:\\\\\\\\pictav20.exe %1\"\r\n"), std::string::npos);
  EXPECT_EQ(regeditImportCommand("C:\\Tools"), "regedit -s \"C:\\Tools\\ico.reg\"");
}

TEST(IcoRegFile, OnlyYesToMakeDefaultGoesOn) {
  pictavo::testing::ScriptedMessageBoxes boxes;
  boxes.queue(Answer::No);
  boxes.queue(Answer::Yes);
  EXPECT_FALSE(askToAssociateIco(boxes));
  EXPECT_TRUE(askToAssociateIco(boxes));
  EXPECT_EQ(boxes.shown()[0].title, "Make Default?");
  EXPECT_EQ(boxes.shown()[0].text,
            "Would you like to make \"Pictavo\" your default editor for .ICO files?");
  EXPECT_EQ(boxes.shown()[0].buttons, Buttons::YesNo);
}

TEST(DesktopEntry, OpensIcoFilesWithTheProgram) {
  EXPECT_EQ(pictavoDesktopEntry("/usr/bin/pictavo"),
            "[Desktop Entry]\n"
            "Type=Application\n"
            "Name=Pictavo\n"
            "Exec=/usr/bin/pictavo %f\n"
            "MimeType=image/vnd.microsoft.icon;image/x-icon;\n"
            "Terminal=false\n");
  EXPECT_EQ(xdgMimeDefaultArguments(),
            (std::vector<std::string>{"default", "pictavo.desktop", "image/vnd.microsoft.icon",
                                      "image/x-icon"}));
}

TEST(DesktopEntry, ProgramPathsWithReservedCharactersAreQuotedAndEscaped) {
  EXPECT_EQ(desktopExecProgram("/opt/My Apps/pictavo"), "\"/opt/My Apps/pictavo\"");
  EXPECT_EQ(desktopExecProgram("/opt/100%/pictavo"), "/opt/100%%/pictavo");
  // Backslash: escaped once for the quotes and once more for the string value.
  EXPECT_EQ(desktopExecProgram("/a\\b$c\"d`e"), "\"/a\\\\\\\\b\\\\$c\\\\\"d\\\\`e\"");
  EXPECT_EQ(desktopExecProgram("/x\ny"), "\"/x\\ny\"");  // stays on one line
}
