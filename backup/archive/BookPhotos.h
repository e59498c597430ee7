// Photos in a year book. Pages lie in the month folders and name their photos
// "../../Images/<name>"; a year's book lies in the year folder, one level higher, so the
// same HTML names them "../Images/<name>" there.
//
// Only addresses inside tags change: in sanitised HTML and in the pieces the renderer
// writes, "<" and ">" stand only around tags (text has them as references, and neither
// byte can be the second byte of a code page 936 character) and a quoted value holds no
// quote, so '="' inside a tag always opens an attribute value.
#pragma once

#include <string>
#include <string_view>

namespace nook {

inline constexpr char kBookPhotoFolder[] = "../Images/";

// Every attribute value inside a tag that starts with the pages' photo folder then
// starts with the book's.
void RebasePhotoAddresses(std::string& html);

// The different photo files shown in `html` (rebased): "src" values in the book's
// photo folder.
int CountBookPhotos(std::string_view html);

} // namespace nook
