// The update server this copy of Tallvox asks, fixed when it is built (the
// CMake cache variable TALLVOX_UPDATE_URL): the https address of the version
// file. Nothing at run time can change it.
#pragma once

extern const char kUpdateVersionFileUrl[];
