// What the user is told about a selection before saving it: what stays where it is (a
// folder that could not be read or gave no photos, photos named like devices, photos and
// videos that are not .jpg files), and more photos than one save can name.
#pragma once

#include <string>

#include "photos/folder_photos.h"

namespace ui {

// Names the folder, and why it gave no photos (or not all of them).
std::string FolderProblemText(const photos::FolderProblem& problem);

// Says how many photos were found, that this save takes only the first of them in name
// order, and that the others need another title, when they are more than one save can
// number; empty when they fit.
std::string MoreThanOneSaveText(int photoCount);

// Everything of the above in one notice, a paragraph each, in that order; `folders` is how
// many folders were given. Empty when there is nothing to tell.
std::string SelectionNotice(const photos::LeftOut& leftOut, int folders, int photoCount);

}  // namespace ui
