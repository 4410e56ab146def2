// The wording of the help windows: what the editor does, in the user's terms.
#include "shell/HelpText.h"

#include <stdexcept>

namespace pictavo {
namespace {

const std::vector<HelpPageText>& pages() {
  static const std::vector<HelpPageText> all = {
      {"Help (Tools)",
       {{"Pallet",
         "Click or drag over the colour picture to choose the drawing colour; every point of the "
         "picture gives a colour, its frame and title bar included. The box beside it shows the "
         "current colour. Click the small cross-hatched square to paint transparent cells instead. "
         "A right click on the grid takes the colour under the mouse."},
        {"Options",
         "File > Options or View > Options opens Change Options. There you enter your name, the "
         "folder where Open Icon starts and the folder where Open Image starts; Browse lets you pick "
         "any file inside the folder you want. The \"ico\" button makes Pictavo the program your "
         "desktop opens .ico files with. Apply or OK keeps the options for the next start."},
        {"Load Icon",
         "Open Icon reads .ico files and also program files (.exe and .dll), which often hold many "
         "icons. Pictavo finds every 32 x 32 icon in the file. If there is one, it is loaded at "
         "once; if there are more, a window shows them 21 at a time to choose from. Icons of 2, 16 "
         "and 256 colours, 24-bit and 32-bit icons can be read; the soft edges of a 32-bit icon "
         "become either solid or transparent cells. A file dropped on the main window opens the "
         "same way, and File > Recent Icons lists the last eight icon files opened or saved."},
        {"Save Icon",
         "Save shows how many colours the icon uses and how it looks with 16 and with 256 colours. "
         "Choose 16-color, 256-color or 24-bit color, then name the file. Saving with fewer colours "
         "than the icon has changes the colours on the grid too; Undo brings them back. The three "
         "Save As items of the File menu save at one depth straight away."},
        {"New Icon",
         "This button will clear the icon to all transparent pixels.\n\nIf the icon has changes "
         "that are not saved, you are asked first. New can be undone."}}},
      {"Help (Tools)",
       {{"Copy",
         "Choose Copy, then drag a rectangle over the grid. A magenta outline shows it while you "
         "drag; when you let go, the cells inside it are copied. To use the icon in another program, "
         "choose Copy Icon as Image on the Edit menu."},
        {"Paste",
         "Choose Paste, then click a cell: the copied rectangle is placed with its top left corner "
         "there. Transparent cells of the copy leave the cells below them as they are, and what "
         "would fall past the right or bottom edge is left out. Every further click pastes again "
         "until you choose another tool."},
        {"Undo",
         "There is an undo buffer of three changes.\n\nUndo takes back lines, boxes, circles, "
         "fills, pastes, New, black and white, colour merges, the colour changes of saving and "
         "icons made from pictures. Pen strokes, flips, turns, slides, brightness and contrast are "
         "not kept there: use Backup Icon on the Edit menu first, and Restore Icon to go back to "
         "that copy. Every change, Undo included, marks the icon as not saved."},
        {"Redo", "Redo brings back the change you last undid. Drawing something new ends the chance to redo."},
        {"Vertical Flip", "Turns the icon upside down."},
        {"Horizontal Flip", "Mirrors the icon from left to right."},
        {"Rotate", "Turns the icon a quarter turn clockwise."}}},
      {"Help (Tools)",
       {{"Pen",
         "Click or drag on the grid to paint cells in the current colour, or transparent. The small "
         "picture beside the grid shows the icon at its real size."},
        {"Line", "Press on the first cell and drag to the last one; the line follows the mouse until you let go."},
        {"Box [Filled]",
         "Drag from one corner to the opposite corner to draw the outline of a rectangle. Filled Box "
         "draws it solid."},
        {"Circle [Filled]",
         "Press where the centre should be and drag outwards to set the size. Filled Circle draws a "
         "solid disc. Whatever falls outside the grid is left out."},
        {"Fill", "Click a cell to paint it and every touching cell of the same colour."},
        {"Open Image",
         "Open Image opens a picture (such as .jpg, .bmp, .gif or .ico) in the Picture window, where "
         "you choose the part of it that becomes the icon. A picture file dropped on either window "
         "opens there too, and Edit > Paste Image opens a picture copied in another program."},
        {"Scan a Picture Selection Box",
         "In the Picture window, drag over the part you want. The selection stays square; a right "
         "click switches between a square and a free rectangle. When you let go of the left button "
         "the selected part becomes the icon, which you can undo. Fit Picture to Window and Maintain "
         "Proportions change how the picture is shown; Use Entire Screen makes the window as large "
         "as the screen."}}},
      {"Help (Tools & Icons)",
       {{"Count Colors",
         "Tells you how many different colours the icon uses and offers to combine similar colours. "
         "Every Yes merges colours that differ only a little and counts again; each merge can be "
         "undone."},
        {"Slide Icon",
         "The four arrow buttons below the grid move the whole icon one cell up, down, left or right; "
         "what leaves one edge comes back at the opposite edge."},
        {"Brightness", "The + and - buttons beside Brightness make every cell a little lighter or darker."},
        {"Contrast",
         "The + and - buttons beside Contrast move the colours further apart or closer together. The "
         "BW button under the colour picture turns the icon into shades of grey."},
        {"Creating Icons from Pictures",
         "1.  Click the Open Image button.\n"
         "2.  Locate your picture using the Open Picture file dialog box, click the file to select "
         "it, then press the Open button.\n"
         "3.  In the Picture window, drag over the area you want and let go: it becomes the icon.\n"
         "4.  Touch up the result with the tools, Brightness and Contrast, then save it."},
        {"Using Your New Icons",
         "On Windows:\n"
         "1.  Right click an icon on your desktop, and choose Properties from the pop-up menu.\n"
         "2.  Click the Shortcut tab, and then click Change Icon.\n"
         "3.  Click the Browse button, then locate and select the new icon you just created.\n\n"
         "On a Linux desktop, open the properties of a launcher or folder and choose the saved .ico "
         "file as its icon, where your desktop offers this."}}},
  };
  return all;
}

HelpTip tip(std::string text) { return {std::move(text), false, HelpTarget::Page4, ""}; }

}  // namespace

const HelpPageText& helpPageText(int page) {
  if (page < 1 || page > 4) throw std::out_of_range("help page " + std::to_string(page));
  return pages()[static_cast<std::size_t>(page - 1)];
}

const std::vector<HelpLink>& helpMenuLinks() {
  using T = HelpTarget;
  static const std::vector<HelpLink> links = {
      {"Editor Tools", T::Page1},
      {"How To Create Icons From Pictures", T::Page4},
      {"How To Use The Icons You Create", T::Page4},
      {"Pallet", T::Page1},
      {"New Icon", T::Page1},
      {"Load Icon", T::Page1},
      {"Save Icon", T::Page1},
      {"Options", T::Page1},
      {"Copy", T::Page2},
      {"Paste", T::Page2},
      {"Undo", T::Page2},
      {"Redo", T::Page2},
      {"Vertical Flip", T::Page2},
      {"Horizontal Flip", T::Page2},
      {"Rotate", T::Page2},
      {"Pen", T::Page3},
      {"Line", T::Page3},
      {"Box", T::Page3},
      {"Circle", T::Page3},
      {"Fill", T::Page3},
      {"Scan a Picture", T::Page3},
      {"Slide Icon", T::Page4},
      {"Brightness", T::Page4},
      {"Contrast", T::Page4},
      {"Tips and Tricks", T::Tips},
      {"Enabling High Color Icons", T::HighColour},
  };
  return links;
}

const std::vector<HelpTip>& helpTips() {
  static const std::vector<HelpTip> tips = {
      tip("Right click anywhere in the icon grid to take the colour under the mouse as your drawing colour."),
      tip("Like a picture on a web page? Save it from your web browser, then turn it into an icon with "
       "Open Image (see Scan a Picture)."),
      {"If your icons look washed out on the desktop, the display may be set to too few colours, or "
       "icons may be limited to 16 colours. To see how to change this, click",
       true, HelpTarget::HighColour, "."},
      tip("To see your icon in each colour mode, click the Save button on the toolbar or choose File > "
       "Save As: the save window shows it in 16 and 256 colours. Cancel goes back without saving."),
      tip("Icons for a dark desktop background often look best a little lighter, and those for a light "
       "background a little darker: use the Brightness buttons."),
      tip("The screen layout changes with the screen resolution. Pictavo runs at 640x480, but a higher "
       "resolution and at least 16-bit colour show your icons best."),
      {"To use a new icon for a shortcut on your desktop, click", true, HelpTarget::Page4, "."},
  };
  return tips;
}

}  // namespace pictavo
