// What the user is told about a selection before saving it: a folder that gave no photos,
// and more photos than one save can name.
#pragma once

#include <string>

#include "photos/folder_photos.h"

namespace ui {

// Names the folder, and why it gave no photos (or not all of them).
std::string FolderProblemText(const photos::FolderProblem& problem);

// Says how many photos were found and that this save takes only the first of them in name
// order, when they are more than one save can number; empty when they fit.
std::string MoreThanOneSaveText(int photoCount);

}  // namespace ui
