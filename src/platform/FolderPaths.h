#pragma once
#include <string>

namespace pictavo {

// The folder of a file picked in a file dialog, without its final separator;
// a file in the root gives the root ("C:" for a file in a drive's root).
std::string folderOfPickedFile(const std::string& path);

// Where a file dialog should open for `folder`: the folder itself when it
// exists, else its nearest existing parent; empty when none exists (the
// dialog then keeps its own default). A folder typed by the user may be gone.
std::string nearestExistingFolder(const std::string& folder);

}  // namespace pictavo
