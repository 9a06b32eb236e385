#pragma once

// The program's version, set in one place: project() in CMakeLists.txt.
namespace programversion {

// "2.7" and "719" of "Sonavert v2.7 build 719".
const char *version();
const char *build();
// "2.7.719".
const char *full();

} // namespace programversion
